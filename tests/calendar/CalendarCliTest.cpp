// quillora-cli lunar, solar, month and terms: the printed lines and the exit
// status of bad input.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CliProcess.h"
#include "support/Files.h"

namespace {

struct CliLines {
    int status = -1;
    std::vector<std::string> lines;  // of stdout
};

CliLines Cli(const std::string& line) {
    const quillora::test::CliResult r = quillora::test::RunCli(quillora::test::Words(line));
    return {r.status, quillora::test::SplitLines(r.out)};
}

TEST(CalendarCli, LunarAndSolar) {
    CliLines r = Cli("lunar 1980-02-16");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"1980 1 1 0", "庚申(猴年)一月初一"}));
    r = Cli("lunar 2020-5-23");
    EXPECT_EQ(r.lines, (std::vector<std::string>{"2020 4 1 1", "庚子(鼠年)闰四月初一"}));
    // Days outside the calendar's table have no lunar date.
    for (const char* day : {"1900-01-30", "2101-01-01", "0001-01-01"}) {
        r = Cli(std::string("lunar ") + day);
        EXPECT_EQ(r.status, 2) << day;
        EXPECT_TRUE(r.lines.empty()) << day;
    }
    EXPECT_EQ(Cli("lunar 1900-01-31").lines.at(0), "1900 1 1 0");
    EXPECT_EQ(Cli("lunar 2100-12-31").status, 0);
    EXPECT_EQ(Cli("lunar 2021-02-30").status, 2);
    EXPECT_EQ(Cli("lunar").status, 2);

    r = Cli("solar --year 2020 --month 4 --day 1 --leap");
    EXPECT_EQ(r.lines, std::vector<std::string>{"2020-05-23"});
    // Lunar dates that do not exist are refused, never answered.
    for (const char* bad :
         {"--year 2020 --month 5 --day 1 --leap", "--year 2024 --month 1 --day 1 --leap",
          "--year 2020 --month 13 --day 1", "--year 2020 --month 0 --day 1",
          "--year 2020 --month 1 --day 30", "--year 2020 --month 1 --day 0",
          "--year 2020 --month 4 --day 30 --leap", "--year 1900 --month 1 --day 1",
          "--year 2100 --month 1 --day 1", "--year 2020 --month 1 --day -2147483648"}) {
        r = Cli(std::string("solar ") + bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_TRUE(r.lines.empty()) << bad;
    }
    EXPECT_EQ(Cli("solar --year 1901 --month 1 --day 1").lines,
              std::vector<std::string>{"1901-02-19"});
    EXPECT_EQ(Cli("solar --year 2020 --month 4 --day 30").lines,
              std::vector<std::string>{"2020-05-22"});
    EXPECT_EQ(Cli("solar --year 2020 --month 5").status, 2);
    EXPECT_EQ(Cli("solar --year 2020 --month five --day 1").status, 2);
}

TEST(CalendarCli, Month) {
    CliLines r = Cli("month 2021-02 --day 12");
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.lines.size(), 30u);
    EXPECT_EQ(r.lines[0], "1\t二十\tday");
    EXPECT_EQ(r.lines[2], "3\t立春\tterm");
    EXPECT_EQ(r.lines[11], "12\t春节\tlunarfest");
    EXPECT_EQ(r.lines[13], "14\t情人节\tsolarfest");
    EXPECT_EQ(r.lines[28], "zodiac\t丑牛");
    EXPECT_EQ(r.lines[29], "starsign\t水瓶座");
    // Day 11 is still in the year of the rat; day 31 is cut to the 30th.
    EXPECT_EQ(Cli("month 2021-02 --day 11").lines.at(28), "zodiac\t子鼠");
    r = Cli("month 2020-04 --day 31");
    ASSERT_EQ(r.lines.size(), 32u);
    EXPECT_EQ(r.lines[22], "23\t四月\tmonth");
    EXPECT_EQ(r.lines[31], "starsign\t金牛座");
    EXPECT_EQ(Cli("month 2020-05").lines.at(22), "23\t闰四\tmonth");
    EXPECT_EQ(Cli("month 2051-01").status, 2);
    EXPECT_EQ(Cli("month 2021-13").status, 2);
    EXPECT_EQ(Cli("month 2021-02 --day 32").status, 2);
}

TEST(CalendarCli, Terms) {
    CliLines r = Cli("terms 1900");
    EXPECT_EQ(r.status, 0);
    ASSERT_GE(r.lines.size(), 24u);
    EXPECT_EQ(r.lines[0], "approx\t小寒\t1900-01-06 02:05:00");
    r = Cli("terms 2021");
    ASSERT_GE(r.lines.size(), 24u);
    EXPECT_EQ(r.lines[2].substr(0, r.lines[2].find(' ')), "approx\t立春\t2021-02-03");
    EXPECT_EQ(r.lines[23].substr(0, r.lines[23].rfind('\t')), "approx\t冬至");
    EXPECT_EQ(r.lines[24].rfind("jie\t小寒\t2021-01-05 ", 0), 0u) << r.lines[24];
    EXPECT_EQ(Cli("terms 1899").status, 2);
    EXPECT_EQ(Cli("terms").status, 2);
}

}  // namespace
