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
#include "support/Files.h"

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

// A command line with a legal person's birth data between head and tail.
std::vector<std::string> WithBirth(std::vector<std::string> head,
                                   const std::vector<std::string>& tail) {
    static const std::vector<std::string> birth = {
        "--sex", "男",    "--calendar", "公历",   "--year", "1971",     "--month",
        "12",    "--day", "13",         "--hour", "0",      "--minute", "30"};
    head.insert(head.end(), birth.begin(), birth.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const std::vector<Command>& Commands() {
    const auto with = WithBirth;
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
        {"solar", {"solar", "--year", "2023", "--month", "2", "--day", "29", "--leap"}, {}},
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

// Lines a command cannot answer: status 2, nothing on stdout, and a message
// naming what is wrong that quotes the input without a raw control byte.
TEST(CliFaults, InputACommandCannotAnswerIsRefusedNamingWhatIsWrong) {
    const std::string cli = BinDirectory() + "quillora-cli";
    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    const auto solar = [](const char* y, const char* m, const char* d, bool leap = false) {
        std::vector<std::string> args = {"solar", "--year", y, "--month", m, "--day", d};
        if (leap)
            args.push_back("--leap");
        return args;
    };
    const Case cases[] = {
        // Options the command does not take, stray and repeated arguments.
        {{"almanac", "--yaer", "2021", "--month", "5", "--day", "7"}, "unknown option '--yaer'"},
        {WithBirth({"bazi", "--name", "张三"}, {}), "unknown option '--name' for bazi"},
        {WithBirth({"generate", "--name", "张三"}, {"--output=x.tsv"}), "'--output=x.tsv'"},
        {{"terms", "2021", "--year", "2021"}, "unknown option '--year' for terms"},
        {{"lunar", "2020-01-01", "1999-01-01"}, "unexpected argument '1999-01-01'"},
        {WithBirth({"analyse", "--name", "张三", "金源"}, {}), "unexpected argument '金源'"},
        {{"month", "2021-02", "-x"}, "unexpected argument '-x'"},
        {{"help", "bazi"}, "unexpected argument 'bazi'"},
        {{"solar", "--year", "2020", "--year", "2021", "--month", "1", "--day", "1"},
         "--year is given twice"},
        {{"almanac", "--year", "2021", "--month"}, "--month needs a value"},
        // --sex takes the two items of the sex box only.
        {WithBirth({"bazi", "--surname", "张", "--given", "三"}, {"--sex", "女"}),
         "--sex is given twice"},
        {{"bazi", "--surname", "张", "--given", "三", "--sex", "male", "--year", "1971", "--month",
          "12", "--day", "13", "--hour", "0"},
         "--sex takes 男 or 女, not 'male'"},
        {{"analyse", "--name", "张三", "--sex", "M", "--year", "1971", "--month", "12", "--day",
          "13", "--hour", "0", "--main", "金源"},
         "--sex takes 男 or 女, not 'M'"},
        {{"generate", "--name", "张三", "--sex", "", "--year", "1971", "--month", "12", "--day",
          "13", "--hour", "0"},
         "--sex takes 男 or 女, not ''"},
        // Texts that are not UTF-8, and control characters quoted escaped.
        {WithBirth({"analyse", "--name", "张\xff三"}, {"--main", "金源"}),
         "--name is not valid UTF-8: '张\\xff三'"},
        {WithBirth({"analyse", "--name", "张三"}, {"--main", "金\xc3"}),
         "--main is not valid UTF-8"},
        {WithBirth({"analyse", "--name", "张三"}, {"--main", "金源", "--suffix", "\xed\xa0\x80"}),
         "--suffix is not valid UTF-8: '\\xed\\xa0\\x80'"},
        {WithBirth({"generate", "--name", "张三"}, {"--prefix", "\xc0\x80"}),
         "--prefix is not valid UTF-8"},
        {WithBirth({"generate", "--name", "张三"}, {"--fixed1", "\xe4\xb8"}),
         "--fixed1 is not valid UTF-8"},
        {WithBirth({"bazi", "--surname", "张", "--given", "\xfe"}, {}),
         "--given is not valid UTF-8"},
        {{"lunar", "2020\xff-01-01"}, "'2020\\xff-01-01' is not valid UTF-8"},
        {{"lunar", "\x1b[31m2020-01-01\x1b[0m"},
         "'\\x1b[31m2020-01-01\\x1b[0m' holds a control character"},
        {{"month", "2021-02\r"}, "'2021-02\\x0d' holds a control character"},
        {WithBirth({"analyse", "--name", "张三"}, {"--main", "\x1b[31m红"}),
         "--main holds a control character: '\\x1b[31m红'"},
        {{"almanac", "--year\x07", "2021"}, "'--year\\x07'"},
        // Lunar dates that do not exist, and the years the table covers.
        {solar("2020", "13", "1"), "the lunar month must lie between 1 and 12"},
        {solar("2020", "0", "1"), "the lunar month must lie between 1 and 12"},
        {solar("2020", "1", "30"), "between 1 and 29 (month 1 of lunar year 2020 has 29 days)"},
        {solar("2020", "1", "31"), "between 1 and 29"},
        {solar("2020", "1", "0"), "between 1 and 29"},
        {solar("2020", "1", "-2147483648"), "between 1 and 29"},
        {solar("2020", "4", "30", true), "the leap month after month 4 of lunar year 2020 has 29"},
        {solar("2020", "5", "1", true), "the leap month of lunar year 2020 follows month 4"},
        {solar("2024", "1", "1", true), "lunar year 2024 has no leap month"},
        {solar("1900", "1", "1"), "the lunar year must lie between 1901 and 2099"},
        {solar("2100", "12", "1"), "the lunar year must lie between 1901 and 2099"},
        {solar("-2147483648", "1", "1"), "the lunar year must lie between 1901 and 2099"},
        {{"lunar", "1900-01-30"}, "the lunar calendar covers 1900-01-31 to 2100-12-31"},
        {{"lunar", "2101-01-01"}, "the lunar calendar covers 1900-01-31 to 2100-12-31"},
        {{"lunar", "0001-01-01"}, "the lunar calendar covers 1900-01-31 to 2100-12-31"},
        // The month's form.
        {{"month", "2020-02-01"}, "'2020-02-01' is not a month: give it as YYYY-MM"},
        {{"month", "2020"}, "give it as YYYY-MM"},
        {{"month", "+2020-02"}, "give it as YYYY-MM"},
        {{"month", "2020- 2"}, "give it as YYYY-MM"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunProgram(cli, c.args, kLimitSeconds);
        const std::string where = ShellLine(cli, c.args) + "\n  stderr: " + r.err;
        ASSERT_TRUE(r.exited) << where;
        EXPECT_EQ(r.status, 2) << where;
        EXPECT_EQ(r.out, "") << where;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << where;
        for (const char ch : r.err) {
            const auto b = static_cast<unsigned char>(ch);
            EXPECT_TRUE(b >= 0x20 ? b != 0x7f : b == '\n') << where << ": byte " << int{b};
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

// Pages go out as they are drawn: many pages do not pile up in memory. A
// spreadsheet, written whole, takes a limited number of pages.
TEST(CliFaults, ManyPagesAreStreamedOrRefusedNeverHeldUntilMemoryRunsOut) {
    const std::string cli = BinDirectory() + "quillora-cli";
    const auto generate = [](const char* pages, std::vector<std::string> tail) {
        return WithBirth({"generate", "--name", "张三", "--suffix", "珠宝", "--seed", "5"},
                         (tail.insert(tail.begin(), {"--pages", pages}), tail));
    };
    for (const char* format : {"tsv", "csv"}) {
        std::vector<std::string> args = generate("1200", {"--format", format});
#ifndef QUILLORA_SANITIZED_BUILD
        // In 64 MiB of address space: held in memory, the pages took about
        // 84 KB each (over 100 MB here).
        args.insert(args.begin(), {"-c", "ulimit -v 65536; exec \"$@\"", "sh", cli});
        const CliResult r = RunProgram("/bin/sh", args, 4 * kLimitSeconds);
#else
        const CliResult r = RunProgram(cli, args, 4 * kLimitSeconds);
#endif
        ASSERT_TRUE(r.exited && r.status == 0) << format << ": " << r.err;
        // The run goes on until every candidate of the draw has been shown
        // (no name twice): many pages, each line once.
        const std::vector<std::string> lines = SplitLines(r.out);
        EXPECT_GT(lines.size(), 1000u) << format;
        EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), lines.size()) << format;
    }
    const std::string file = BinDirectory() + "many-pages.xlsx";
    const CliResult r =
        RunProgram(cli, generate("501", {"--format", "xlsx", "--output", file}), kLimitSeconds);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.err, "--format xlsx takes at most 500 pages (--pages)\n");
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
