// quillora-cli almanac, run as the user runs it: the lines of the page on
// stdout, a failed check on stderr with status 2, nothing for a day the
// table lacks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "almanac/AlmanacLookup.h"
#include "support/CliProcess.h"
#include "support/Files.h"

using namespace quillora::test;

namespace {

CliResult Almanac(const std::vector<std::string>& options) {
    std::vector<std::string> args{"almanac"};
    args.insert(args.end(), options.begin(), options.end());
    return RunCli(args);
}

}  // namespace

TEST(AlmanacCli, PrintsTheEntryOrTheCheckMessage) {
    const CliResult padded = Almanac(Words("--year 2010 --month 05 --day 07"));
    ASSERT_EQ(padded.status, 0) << padded.err;
    EXPECT_EQ(padded.err, "");
    EXPECT_EQ(SplitLines(padded.out).size(), 19u);
    EXPECT_EQ(padded.out.rfind("当日统览:2010-05-07  ", 0), 0u) << padded.out;
    // 2010 was a 庚寅 year; 7 May 2010 lies after 立夏, in the 辛巳 month.
    EXPECT_NE(padded.out.find("\n岁次:庚寅年 辛巳月 "), std::string::npos) << padded.out;
    EXPECT_NE(padded.out.find("\n\n忌:"), std::string::npos);

    const CliResult typed = Almanac(Words("--year 2010 --month 5 --day 7"));
    EXPECT_EQ(typed.status, 0);
    EXPECT_EQ(typed.out, padded.out);

    const struct {
        std::vector<std::string> options;
        const char* message;
    } refused[] = {
        {Words("--month 05 --day 07"), "请选择年!"},
        {{"--year", "2010", "--month", "05", "--day", " "}, "请选择日!"},
        {Words("--year 2009 --month 02 --day 30"), "请选择有效的日期!"},
        {Words("--year 2101 --month 01 --day 01"), quillora::kAlmanacOutOfRange},
        {Words("--year 1900 --month 12 --day 31"), quillora::kAlmanacOutOfRange},
    };
    for (const auto& r : refused) {
        const CliResult run = Almanac(r.options);
        EXPECT_EQ(run.status, 2) << r.message;
        EXPECT_EQ(run.err, std::string(r.message) + "\n");
        EXPECT_EQ(run.out, "") << r.message;
    }
}

// auspicious prints the header, one row per day and the summary; the legal
// person's birth options add the clash column's marks. Checks go to stderr.
TEST(AlmanacCli, AuspiciousListsTheDaysAndMarksThePersonsClash) {
    const CliResult run = RunCli(
        Words("auspicious --activity 开市 --from 2024-03-01 --to 2024-03-31 --year 1990 --month 5 "
              "--day 1 --hour 10"));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "日期\t当日概况\t干支\t建除\t冲煞\t法人生肖");
    // 1990 is a 午 year: 2024-03-01, a 甲子 day, clashes with the horse.
    EXPECT_EQ(lines[1].rfind("2024-03-01\t", 0), 0u) << lines[1];
    EXPECT_NE(lines[1].find("\t冲马(戊午)煞南\t冲马（不宜）"), std::string::npos) << lines[1];
    EXPECT_EQ(lines.back().rfind("2024-03-01至2024-03-31宜开市的日子共", 0), 0u) << lines.back();
    EXPECT_NE(lines.back().find("共" + std::to_string(lines.size() - 2) + "天"), std::string::npos);

    const CliResult unknown =
        RunCli(Words("auspicious --activity 签约 --from 2024-03-01 --to 2024-03-31"));
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err.rfind("黄历中没有这个事项", 0), 0u) << unknown.err;
    EXPECT_NE(unknown.err.find("立券"), std::string::npos);
}
