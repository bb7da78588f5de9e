// Saves and exports into a folder that does not exist, a read-only folder
// and a full disk: every writer reports the failure naming the file, the
// writers that replace files whole leave an earlier file of that name as it
// was, and quillora-cli generate --output ends with status 1.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "WriteFaults.h"
#include "common/TextFile.h"
#include "naming/Export.h"
#include "naming/Shortlist.h"
#include "support/CliProcess.h"
#include "support/Files.h"

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
    const char* file;    // the file it writes, in the target folder
    bool replacesWhole;  // written beside and renamed into place
    std::function<void(const std::string& folder)> write;
};

std::vector<Writer> Writers() {
    return {
        {"WriteGbkTextFile", "八字分析.txt", true,
         [](const std::string& folder) {
             WriteGbkTextFile(folder + "/八字分析.txt", "姓名：张三\n年龄：53岁\n");
         }},
        {"SaveShortlist", "张三起名结果待选名字表.txt", true,
         [](const std::string& folder) {
             SaveShortlist(folder + "/张三起名结果待选名字表", "金源珠宝\n鑫泰珠宝\n");
         }},
        {"ExportTsv", "起名结果.txt", true,
         [](const std::string& folder) { ExportTsv(folder + "/起名结果.txt", SmallTable()); }},
        {"ExportCsv", "起名结果.csv", false,
         [](const std::string& folder) { ExportCsv(folder + "/起名结果.csv", SmallTable()); }},
        {"ExportXlsx", "起名结果.xlsx", false,
         [](const std::string& folder) { ExportXlsx(folder + "/起名结果.xlsx", SmallTable()); }},
    };
}

TEST(SaveFaults, EveryWriterReportsAFolderItCannotWriteNamingTheFile) {
    for (const WriteFault fault : AllWriteFaults()) {
        for (const Writer& w : Writers()) {
            const std::string where = std::string(w.name) + ", " + WriteFaultName(fault);
            WriteFaultScope scope(fault, "core");
            if (!scope.Armed()) {
                ADD_FAILURE() << where << ": the fault could not be made";
                continue;
            }
            const fs::path target = scope.PathFor(w.file);
            if (fault == WriteFault::Full) {
                // An earlier file of the name is there before the disk fills.
                scope.Disarm();
                { std::ofstream(target, std::ios::binary) << "earlier file"; }
                WriteFaultScope again(fault, "core-full");
                bool reported = false;
                try {
                    w.write(scope.Folder().string());
                } catch (const FileWriteError& e) {
                    reported = true;
                    EXPECT_NE(std::string(e.what()).find(w.file), std::string::npos)
                        << where << ": " << e.what();
                }
                again.Disarm();
                EXPECT_TRUE(reported) << where;
                if (w.replacesWhole) {
                    EXPECT_EQ(ReadFileBytes(target), "earlier file") << where;
                    for (const auto& entry : fs::directory_iterator(scope.Folder())) {
                        EXPECT_EQ(entry.path().filename(), target.filename())
                            << where << ": left " << entry.path();
                    }
                }
                continue;
            }
            bool reported = false;
            try {
                w.write(scope.Folder().string());
            } catch (const FileWriteError& e) {
                reported = true;
                EXPECT_NE(std::string(e.what()).find(target.string()), std::string::npos)
                    << where << ": " << e.what();
            }
            EXPECT_TRUE(reported) << where;
            EXPECT_FALSE(fs::exists(target)) << where;
        }
    }
}

TEST(SaveFaults, GenerateOutputThatCannotBeWrittenEndsWithStatusOne) {
    const std::string cli = CliPath();
    const std::vector<std::string> base = {"generate", "--name", "张三",  "--year",   "1985",
                                           "--month",  "6",      "--day", "15",       "--hour",
                                           "12",       "--seed", "3",     "--suffix", "珠宝"};
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

}  // namespace
