// Saves and exports into a folder that does not exist, a read-only folder
// and a full disk: every writer reports the failure naming the file and
// leaves an earlier file of that name as it was; quillora-cli generate
// --output ends with status 1. A folder, a device or a database file at the
// path is never replaced; a file keeps its mode; nothing planted beside the
// file is opened. Standard output that cannot be written ends every command
// with status 1.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "DamagedFiles.h"
#include "WriteFaults.h"
#include "common/TextFile.h"
#include "data/Database.h"
#include "naming/Export.h"
#include "naming/Shortlist.h"
#include "support/CliProcess.h"
#include "support/Files.h"
#include "support/ScratchData.h"

namespace fs = std::filesystem;
using namespace quillora;
using namespace quillora::robustness;
using namespace quillora::test;

namespace {

#ifdef QUILLORA_SANITIZED_BUILD
constexpr double kLimitSeconds = 120;
#else
constexpr double kLimitSeconds = 30;
#endif

ExportTable SmallTable() {
    ExportTable t;
    t.header = {"编号", "品牌商标名称", "总体评分"};
    t.widths = {43, 183, 62};
    t.numeric = {true, false, true};
    t.rows = {{"1", "金源珠宝", "95"}, {"2", "鑫泰珠宝", "88"}};
    return t;
}

struct Writer {
    const char* name;
    const char* file;  // the file it writes, in the target folder
    std::function<void(const std::string& path)> write;
};

// Every writer of the program, each given the whole path of the file it
// writes (the shortlist's save adds ".txt" itself).
std::vector<Writer> Writers() {
    return {
        {"WriteGbkTextFile", "八字分析.txt",
         [](const std::string& path) { WriteGbkTextFile(path, "姓名：张三\n年龄：53岁\n"); }},
        {"SaveShortlist", "张三起名结果待选名字表.txt",
         [](const std::string& path) {
             SaveShortlist(path.substr(0, path.size() - 4), "金源珠宝\n鑫泰珠宝\n");
         }},
        {"ExportTsv", "起名结果.txt",
         [](const std::string& path) { ExportTsv(path, SmallTable()); }},
        {"ExportCsv", "起名结果.csv",
         [](const std::string& path) { ExportCsv(path, SmallTable()); }},
        {"ExportXlsx", "起名结果.xlsx",
         [](const std::string& path) { ExportXlsx(path, SmallTable()); }},
    };
}

// The message of the FileWriteError a write throws, or nullopt when it
// succeeds.
std::optional<std::string> Refusal(const Writer& w, const fs::path& target) {
    try {
        w.write(target.string());
    } catch (const FileWriteError& e) {
        return e.what();
    }
    return std::nullopt;
}

// The names in a folder other than the expected ones (temporary files left).
std::vector<std::string> Strays(const fs::path& folder, const std::set<std::string>& expected) {
    std::vector<std::string> strays;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (expected.count(entry.path().filename().string()) == 0)
            strays.push_back(entry.path().filename().string());
    }
    return strays;
}

fs::perms PermsOf(const fs::path& p) {
    return fs::status(p).permissions() & fs::perms::mask;
}

TEST(SaveFaults, EveryWriterReportsAFolderItCannotWriteNamingTheFile) {
    for (const WriteFault fault : AllWriteFaults()) {
        for (const Writer& w : Writers()) {
            const std::string where = std::string(w.name) + ", " + WriteFaultName(fault);
            // An earlier file of the name lies there before the fault.
            const bool earlier = fault != WriteFault::MissingFolder;
            WriteFaultScope scope(fault, "core", earlier ? w.file : "");
            if (!scope.Armed()) {
                ADD_FAILURE() << where << ": the fault could not be made";
                continue;
            }
            const fs::path target = scope.PathFor(w.file);
            const std::optional<std::string> refusal = Refusal(w, target);
            scope.Disarm();
            ASSERT_TRUE(refusal.has_value()) << where;
            EXPECT_NE(refusal->find(target.string()), std::string::npos)
                << where << ": " << *refusal;
            if (fault == WriteFault::ReadOnlyFolder) {
                // The file itself could be written: the message says it is
                // the folder that cannot.
                EXPECT_NE(refusal->find("文件夹 " + scope.Folder().string() + " 不允许写入"),
                          std::string::npos)
                    << where << ": " << *refusal;
            }
            if (fault == WriteFault::Full) {
                EXPECT_NE(refusal->find("文件超出了允许的大小"), std::string::npos) << *refusal;
            }
            if (earlier) {
                // Replaced whole or not at all, and no temporary file left.
                EXPECT_EQ(ReadFileBytes(target), kEarlierContent) << where;
                EXPECT_EQ(Strays(scope.Folder(), {w.file}), std::vector<std::string>{}) << where;
            } else {
                EXPECT_FALSE(fs::exists(target)) << where;
            }
        }
    }
}

TEST(SaveFaults, EveryWriterWritesARegularFileOrADeviceAndNeverReplacesAnythingElse) {
    // The database files are read from a folder holding a copy of one of
    // them (the others linked to the build's).
    const DamagedFolder databases(kDatabaseFileNames[0], Damage::None, "save");
    SetDatabaseDirectory(databases.Path().string());
    const fs::path database = databases.Path() / kDatabaseFileNames[0];
    const std::string before = FileFingerprint(database.string());
    for (const Occupant occupant : AllOccupants()) {
        for (const Writer& w : Writers()) {
            const std::string where = std::string(w.name) + ", " + OccupantName(occupant);
            const ScratchFolder scratch("occupant");
            const fs::path target = scratch.Path() / w.file;
            PlaceOccupant(occupant, target, databases.Path() / kDatabaseFileNames[0]);
            const std::optional<std::string> refusal = Refusal(w, target);
            if (occupant == Occupant::NullDevice) {
                EXPECT_FALSE(refusal.has_value()) << where << ": " << *refusal;
            } else {
                ASSERT_TRUE(refusal.has_value()) << where;
                EXPECT_NE(refusal->find(w.file), std::string::npos) << where << ": " << *refusal;
            }
            EXPECT_TRUE(OccupantIntact(occupant, target)) << where;
            EXPECT_EQ(Strays(scratch.Path(), {w.file}), std::vector<std::string>{}) << where;
        }
    }
    // The database file itself, by its own name.
    EXPECT_THROW(WriteGbkTextFile(database.string(), "x"), FileWriteError);
    SetDatabaseDirectory("");
    EXPECT_EQ(FileFingerprint(database.string()), before);
}

TEST(SaveFaults, EveryWriterKeepsTheFilesModeFollowsALinkAndNeverOpensAPlantedName) {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    for (const Writer& w : Writers()) {
        const ScratchFolder scratch("mode");
        const fs::path target = scratch.Path() / w.file;
        // A new file gets the mode the file-creation mask leaves.
        w.write(target.string());
        EXPECT_EQ(PermsOf(target), static_cast<fs::perms>(0666 & ~mask)) << w.name;

        // An existing private file stays private.
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
        std::ofstream(target, std::ios::binary | std::ios::trunc) << kEarlierContent;
        w.write(target.string());
        EXPECT_EQ(PermsOf(target), fs::perms::owner_read | fs::perms::owner_write) << w.name;
        EXPECT_NE(ReadFileBytes(target), kEarlierContent) << w.name;

        // A link to a file: the file it points to is written, the link stays.
        const fs::path real = scratch.Path() / ("real-" + std::string(w.file));
        fs::rename(target, real);
        fs::create_symlink(real, target);
        std::ofstream(real, std::ios::binary | std::ios::trunc) << kEarlierContent;
        w.write(target.string());
        EXPECT_TRUE(fs::is_symlink(target)) << w.name;
        EXPECT_NE(ReadFileBytes(real), kEarlierContent) << w.name;
        EXPECT_EQ(PermsOf(real), fs::perms::owner_read | fs::perms::owner_write) << w.name;

        // A link planted at the name a temporary file used to get
        // ("<path>.part<pid>") leads nowhere: the file it points to is left
        // alone.
        fs::remove(target);
        const fs::path victim = scratch.Path() / "victim";
        std::ofstream(victim, std::ios::binary) << kEarlierContent;
        const fs::path planted = target.string() + ".part" + std::to_string(::getpid());
        fs::create_symlink(victim, planted);
        w.write(target.string());
        EXPECT_EQ(ReadFileBytes(victim), kEarlierContent) << w.name;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target))) << w.name;
        EXPECT_EQ(Strays(scratch.Path(),
                         {w.file, real.filename().string(), "victim", planted.filename().string()}),
                  std::vector<std::string>{})
            << w.name;
    }
}

const std::vector<std::string> kGenerate = {"generate", "--name", "张三",  "--year",   "1985",
                                            "--month",  "6",      "--day", "15",       "--hour",
                                            "12",       "--seed", "3",     "--suffix", "珠宝"};

TEST(SaveFaults, GenerateOutputThatCannotBeWrittenEndsWithStatusOne) {
    const std::string cli = BinDirectory() + "quillora-cli";
    const std::vector<std::string>& base = kGenerate;
    for (const WriteFault fault : AllWriteFaults()) {
        // Capabilities set aside in this thread come back in a program it
        // starts as root: the read-only folder is then the writers' test above.
        if (fault == WriteFault::ReadOnlyFolder && ::geteuid() == 0)
            continue;
        for (const char* format : {"tsv", "csv", "xlsx"}) {
            WriteFaultScope scope(fault, std::string("cli-") + format);
            ASSERT_TRUE(scope.Armed());
            const std::string output = scope.PathFor(std::string("起名结果.") + format);
            std::vector<std::string> args = base;
            args.insert(args.end(), {"--format", format, "--output", output});
            const CliResult r = RunProgram(cli, args, kLimitSeconds);
            scope.Disarm();
            const std::string where =
                std::string(WriteFaultName(fault)) + ", " + format + ": " + r.err;
            ASSERT_TRUE(r.exited) << where << " signal " << r.signal;
            EXPECT_EQ(r.status, 1) << where;
            EXPECT_NE(r.err.find(output), std::string::npos) << where;
            EXPECT_FALSE(HasSanitizerReport(r.err)) << where;
        }
    }
}

TEST(SaveFaults, GenerateOutputNeverReplacesAFolderADeviceOrADatabaseFile) {
    // A copy of the program beside a copy of one database file.
    const DamagedFolder folder(kDatabaseFileNames[0], Damage::None, "cli-occupant");
    const std::string cli = folder.CopyExecutable("quillora-cli");
    const std::string database = (folder.Path() / kDatabaseFileNames[0]).string();
    const std::string before = FileFingerprint(database);
    for (const char* format : {"tsv", "csv", "xlsx"}) {
        for (const Occupant occupant : AllOccupants()) {
            const ScratchFolder scratch("cli-occupant");
            const fs::path target = scratch.Path() / (std::string("起名结果.") + format);
            PlaceOccupant(occupant, target, folder.Path() / kDatabaseFileNames[0]);
            std::vector<std::string> args = kGenerate;
            args.insert(args.end(), {"--format", format, "--output", target.string()});
            const CliResult r = RunProgram(cli, args, kLimitSeconds);
            const std::string where =
                std::string(format) + ", " + OccupantName(occupant) + ": " + r.err;
            ASSERT_TRUE(r.exited) << where;
            EXPECT_EQ(r.status, occupant == Occupant::NullDevice ? 0 : 1) << where;
            if (occupant != Occupant::NullDevice) {
                EXPECT_NE(r.err.find(target.string()), std::string::npos) << where;
            }
            EXPECT_TRUE(OccupantIntact(occupant, target)) << where;
        }
        // The database file by the name the program reads it under.
        std::vector<std::string> args = kGenerate;
        args.insert(args.end(), {"--format", format, "--output", database});
        const CliResult r = RunProgram(cli, args, kLimitSeconds);
        EXPECT_EQ(r.status, 1) << format << ": " << r.err;
        EXPECT_NE(r.err.find("数据库文件"), std::string::npos) << r.err;
    }
    EXPECT_EQ(FileFingerprint(database), before);
}

// Every command's output on a device that refuses every write, and in a file
// that stops growing after 2 KiB (a disk filling up during the run): status
// 1 and a message, never a finished command.
TEST(SaveFaults, StandardOutputThatCannotBeWrittenEndsWithStatusOne) {
    const std::string cli = BinDirectory() + "quillora-cli";
    std::vector<std::vector<std::string>> commands = {
        {"lunar", "2024-02-10"},
        {"month", "2024-02"},
        {"terms", "2024"},
        {"almanac", "--year", "2010", "--month", "5", "--day", "7"},
        {"bazi", "--surname", "张", "--given", "三", "--year", "1971", "--month", "12", "--day",
         "13", "--hour", "0"},
        {"analyse", "--name", "张三", "--year", "1971", "--month", "12", "--day", "13", "--hour",
         "0", "--main", "金源", "--suffix", "珠宝"},
        kGenerate,
    };
    std::vector<std::string> csv = kGenerate;
    csv.insert(csv.end(), {"--format", "csv", "--pages", "3"});
    commands.push_back(csv);
    const ScratchFolder scratch("stdout");
    const std::string file = (scratch.Path() / "out").string();
    for (const auto& command : commands) {
        // sh runs the program with its standard output redirected; a write
        // past the size limit fails instead of ending the program.
        const std::string script =
            "trap '' XFSZ; out=$1; shift; case $out in /dev/*) ;; *) ulimit -f 4;; esac; exec "
            "\"$@\" > \"$out\"";
        for (const std::string& out : {std::string("/dev/full"), file}) {
            std::vector<std::string> args = {"-c", script, "sh", out, cli};
            args.insert(args.end(), command.begin(), command.end());
            const CliResult r = RunProgram("/bin/sh", args, kLimitSeconds);
            const std::string where = ShellLine(cli, command) + " > " + out + ": " + r.err;
            if (out == file && fs::file_size(file) < 2048)
                continue;  // a short output fits: nothing failed
            ASSERT_TRUE(r.exited) << where;
            EXPECT_EQ(r.status, 1) << where;
            EXPECT_NE(r.err.find("无法写入标准输出"), std::string::npos) << where;
            EXPECT_FALSE(HasSanitizerReport(r.err)) << where;
        }
    }
}

}  // namespace
