// quillora-cli beside damaged database files: a copy of the program in a
// scratch folder with one file missing, empty, truncated, replaced by
// garbage or scrambled inside. A command that reads the file ends with
// status 1 and an error that names it; a command that does not read it
// prints what it prints beside sound files. Nothing crashes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "DamagedFiles.h"
#include "support/CliProcess.h"

using namespace quillora::robustness;
using namespace quillora::test;

namespace {

#ifdef QUILLORA_SANITIZED_BUILD
constexpr double kLimitSeconds = 120;
#else
constexpr double kLimitSeconds = 30;
#endif

struct Command {
    const char* name;
    std::vector<std::string> args;
    std::set<std::string> reads;  // the database files the command reads
};

const std::vector<Command>& Commands() {
    static const std::vector<std::string> birth = {
        "--sex", "男",    "--calendar", "公历",   "--year", "1971",     "--month",
        "12",    "--day", "13",         "--hour", "0",      "--minute", "30"};
    const auto with = [&](std::vector<std::string> head, std::vector<std::string> tail) {
        head.insert(head.end(), birth.begin(), birth.end());
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    static const std::vector<Command> commands = {
        {"bazi",
         with({"bazi", "--surname", "张", "--given", "三"}, {}),
         {"Somnette.dll", "Gantrel.dll"}},
        {"analyse",
         with({"analyse", "--name", "张三"}, {"--main", "金源", "--suffix", "珠宝"}),
         {"Parvello.dll", "Somnette.dll", "Gantrel.dll"}},
        {"generate",
         with({"generate", "--name", "张三"}, {"--length", "3", "--suffix", "科技", "--seed", "7"}),
         {"Parvello.dll", "Gantrel.dll"}},
        {"almanac",
         {"almanac", "--year", "2010", "--month", "05", "--day", "07"},
         {"Somnette.dll"}},
        {"terms", {"terms", "2024"}, {"Gantrel.dll"}},
        {"lunar", {"lunar", "2024-02-10"}, {}},
        {"solar", {"solar", "--year", "2023", "--month", "2", "--day", "30", "--leap"}, {}},
        {"month", {"month", "2024-02", "--day", "10"}, {}},
    };
    return commands;
}

TEST(CliFaults, EveryCommandReportsADamagedFileByNameAndNeverCrashes) {
    const std::string cli = CliPath();
    // What each command prints beside sound files.
    std::vector<CliResult> clean;
    for (const Command& c : Commands()) {
        clean.push_back(RunProgram(cli, c.args, kLimitSeconds));
        ASSERT_TRUE(clean.back().exited && clean.back().status == 0)
            << c.name << ": " << clean.back().err;
        ASSERT_FALSE(clean.back().out.empty()) << c.name;
    }

    for (const char* file : kDatabaseFileNames) {
        for (const Damage damage : AllDamages()) {
            const DamagedFolder folder(file, damage, "cli");
            const std::string copy = folder.CopyExecutable("quillora-cli");
            for (std::size_t i = 0; i < Commands().size(); ++i) {
                const Command& c = Commands()[i];
                const CliResult r = RunProgram(copy, c.args, kLimitSeconds);
                const std::string where = std::string(file) + " " + DamageName(damage) + ": " +
                                          ShellLine(copy, c.args) + "\n  stderr: " + r.err;
                ASSERT_TRUE(r.exited)
                    << where << "\n  signal " << r.signal << (r.timedOut ? " (time limit)" : "");
                EXPECT_FALSE(HasSanitizerReport(r.err)) << where;
                if (c.reads.count(file) == 0) {
                    EXPECT_EQ(r.status, 0) << where;
                    EXPECT_EQ(r.out, clean[i].out) << where;
                    continue;
                }
                if (damage == Damage::Scrambled && r.status == 0) {
                    // Damage inside the rows a command happens not to read,
                    // or inside their values, cannot always be seen.
                    continue;
                }
                EXPECT_EQ(r.status, 1) << where;
                EXPECT_NE(r.err.find(file), std::string::npos) << where;
            }
        }
    }
}

TEST(CliFaults, NumbersTooLargeForTheirTypeAreRefusedNotRunForever) {
    const std::string cli = CliPath();
    const std::vector<std::string> base = {"generate", "--name",   "张三",  "--year", "1985",
                                           "--month",  "6",        "--day", "15",     "--hour",
                                           "12",       "--minute", "0"};
    for (const char* option : {"--pages", "--seed"}) {
        for (const char* value : {"99999999999999999999", "9223372036854775808", "-1"}) {
            std::vector<std::string> args = base;
            args.insert(args.end(), {option, value});
            const CliResult r = RunProgram(cli, args, kLimitSeconds);
            ASSERT_TRUE(r.exited) << option << " " << value;
            EXPECT_EQ(r.status, 2) << option << " " << value;
            EXPECT_EQ(r.err, std::string(option) + " takes a non-negative whole number\n");
            EXPECT_TRUE(r.out.empty());
        }
    }
}

}  // namespace
