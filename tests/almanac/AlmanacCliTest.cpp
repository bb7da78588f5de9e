// quillora-cli almanac, run as the user runs it: the lines of the page on
// stdout, a failed check on stderr with status 2, nothing for a day the
// table lacks.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "almanac/AlmanacLookup.h"
#include "data/Database.h"

namespace {

struct CliRun {
    int status = -1;
    std::string out;
};

CliRun RunCli(const std::string& arguments) {
    const std::string command =
        "'" + quillora::ExecutableDirectory() + "quillora-cli' almanac " + arguments + " 2>&1";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

int CountLines(const std::string& text) {
    int lines = 0;
    for (const char c : text)
        lines += c == '\n' ? 1 : 0;
    return lines;
}

}  // namespace

TEST(AlmanacCli, PrintsTheEntryOrTheCheckMessage) {
    const CliRun padded = RunCli("--year 2010 --month 05 --day 07");
    ASSERT_EQ(padded.status, 0) << padded.out;
    EXPECT_EQ(CountLines(padded.out), 19);
    EXPECT_EQ(padded.out.rfind("当日统览:2010-05-07  ", 0), 0u) << padded.out;
    // 2010 was a 庚寅 year; 7 May 2010 lies after 立夏, in the 辛巳 month.
    EXPECT_NE(padded.out.find("\n岁次:庚寅年 辛巳月 "), std::string::npos) << padded.out;
    EXPECT_NE(padded.out.find("\n\n忌:"), std::string::npos);

    const CliRun typed = RunCli("--year 2010 --month 5 --day 7");
    EXPECT_EQ(typed.status, 0);
    EXPECT_EQ(typed.out, padded.out);

    const struct {
        const char* arguments;
        const char* message;
    } refused[] = {
        {"--month 05 --day 07", "请选择年!"},
        {"--year 2010 --month 05 --day ' '", "请选择日!"},
        {"--year 2009 --month 02 --day 30", "请选择有效的日期!"},
        {"--year 2101 --month 01 --day 01", quillora::kAlmanacOutOfRange},
        {"--year 1900 --month 12 --day 31", quillora::kAlmanacOutOfRange},
    };
    for (const auto& r : refused) {
        const CliRun run = RunCli(r.arguments);
        EXPECT_EQ(run.status, 2) << r.arguments;
        EXPECT_EQ(run.out, std::string(r.message) + "\n") << r.arguments;
    }
}
