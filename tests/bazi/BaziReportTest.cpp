// The Four Pillars report line by line against golden texts checked by hand,
// its fixed shapes, a sweep over the whole date range, and the command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "bazi/BaziReport.h"
#include "bazi/BirthRecord.h"
#include "common/Text.h"
#include "data/Database.h"
#include "support/CliProcess.h"
#include "support/Files.h"

using namespace quillora;
using namespace quillora::test;

namespace {

std::vector<std::string> GoldenLines(const char* name) {
    return ReadFileLines(std::string(QUILLORA_SOURCE_DIR) + "/tests/bazi/golden/" + name);
}

std::vector<std::string> ReportOf(const BirthEntries& e, int currentYear = 2024) {
    BirthReadOptions options;
    options.currentYear = currentYear;
    const BirthReadResult read = ReadBirthRecord(e, options);
    EXPECT_TRUE(read.record.has_value()) << read.issue.message;
    if (!read)
        return {};
    return BaziReportLines(*read.record).value_or(std::vector<std::string>{});
}

BirthEntries Entries(const char* surname, const char* given, const char* sex, int calendar,
                     const char* y, const char* m, const char* d, const char* hour,
                     const char* minute) {
    BirthEntries e;
    e.name = surname;
    e.givenName = given;
    e.sex = sex;
    e.calendarIndex = calendar;
    e.year = y;
    e.month = m;
    e.day = d;
    e.hour = hour;
    e.minute = minute;
    return e;
}

}  // namespace

// A man born in a 丙 year the day before 芒种 runs forward: 21 hours to the
// jie make three months and sixteen days, the first period begins in 1986.
TEST(BaziReport, ForwardStartingAtOneMatchesTheGoldenText) {
    ExpectSameLines(ReportOf(Entries("张", "三", "男", 0, "1986", "6", "5", "巳 10", "30")),
                    GoldenLines("forward-start-1.txt"));
}

// A woman entered by the lunar calendar (四月廿九 1986 = 6 June), born on
// 芒种's day before its instant: backward, 立夏 31 days back gives 10 years
// and 4 months (age 11 in 1996), and the bone weight counts the fourth month
// she was born in.
TEST(BaziReport, BackwardStartingAtElevenMatchesTheGoldenText) {
    ExpectSameLines(ReportOf(Entries("李", "梅", "女", 1, "1986", "4", "29", "卯 6", "0")),
                    GoldenLines("backward-start-11-lunar.txt"));
}

TEST(BaziReport, AgesLineAndAgeTexts) {
    EXPECT_EQ(LuckAgesLine(1),
              "      1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
    EXPECT_EQ(LuckAgesLine(2),
              "      1岁   2岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁");
    EXPECT_EQ(LuckAgesLine(4),
              "      1-3岁   4岁   14岁   24岁   34岁   44岁   54岁   64岁   74岁   84岁");
    EXPECT_EQ(AgeText(1), "01岁");
    EXPECT_EQ(AgeText(15), "15岁");
    EXPECT_EQ(YearPairOf(1984), "甲子");
    EXPECT_EQ(YearPairOf(2100), "庚申");
}

TEST(BaziReport, ColumnsFollowTheStartYear) {
    // 1986-05-29 13:37, woman: backward to 立夏, 7 years 9 months 20 days;
    // the first period begins in 1994, at age 9.
    const std::vector<std::string> r =
        ReportOf(Entries("", "", "女", 0, "1986", "5", "29", "未 13", "37"));
    ASSERT_EQ(r.size(), 63u);
    EXPECT_EQ(r[8], "起运：9岁（出生后7年9个月20天起运）");
    EXPECT_EQ(r[19], LuckAgesLine(9));
    EXPECT_EQ(r[20], "始于：1986   1994   2004   2014   2024   2034   2044   2054   2064   2074");
    // Yearly lines 0 to 7 have a first column (1986 to 1993); each period's
    // column starts with the pillar of its 始于 year (1994 甲戌, 2004 甲申).
    EXPECT_EQ(r[22].rfind("流年：丙寅   甲戌   甲申", 0), 0u) << r[22];
    EXPECT_EQ(r[29].rfind("      癸酉   辛巳", 0), 0u) << r[29];
    EXPECT_EQ(r[30].rfind("             壬午   壬辰", 0), 0u) << r[30];
    // Small luck runs back from the 己未 hour, one step a year from age 1.
    EXPECT_EQ(r[33].rfind("小运：戊午   庚戌   庚子", 0), 0u) << r[33];
    EXPECT_EQ(r[34].rfind("      01岁   09岁   19岁", 0), 0u) << r[34];
    EXPECT_EQ(r[49].rfind("             壬寅   壬辰", 0), 0u) << r[49];
    EXPECT_EQ(r[50].rfind("             17岁   27岁", 0), 0u) << r[50];
}

TEST(BaziReport, PeriodsBeginInTheirOwnYearBeforeTheNewYear) {
    // 20 January 1990 lies before the Chinese New Year (27 January): the
    // lunar year is 1989, but the report counts Gregorian years. The first
    // period begins in 1994, over a column that starts with 甲戌 (1994).
    const std::vector<std::string> r =
        ReportOf(Entries("", "", "男", 0, "1990", "1", "20", "子 0", "0"));
    ASSERT_EQ(r.size(), 63u);
    EXPECT_EQ(r[3], "农历：己巳(蛇年)十二月廿四");
    EXPECT_EQ(r[20].rfind("始于：1990   1994   2004", 0), 0u) << r[20];
    EXPECT_EQ(r[22].rfind("流年：庚午   甲戌   甲申", 0), 0u) << r[22];
    EXPECT_EQ(r[34].rfind("      01岁   05岁", 0), 0u) << r[34];
}

// Every pillar is a real stem-branch pair and every lookup answers, from the
// first to the last day of the range: the fixed shapes of the lookup lines
// hold (two characters per ten god, three per sound element, one per
// element) and the three bone-weight lines are filled.
TEST(BaziReport, EveryDateOfTheRangeGetsAFullReport) {
    const DateValue first = 32;
    const DateValue last = 73415;
    int checked = 0;
    for (DateValue day = first;; day = day + 149 > last ? last : day + 149) {
        const DateParts p = DecodeDate(day);
        const int hour = checked % 24;
        BirthEntries e = Entries("", "", checked % 2 == 0 ? "男" : "女", 0,
                                 std::to_string(p.year).c_str(), std::to_string(p.month).c_str(),
                                 std::to_string(p.day).c_str(), HourItems[hour], "59");
        const std::vector<std::string> r = ReportOf(e);
        const std::string at = FormatDate(day) + " " + std::to_string(hour);
        ASSERT_EQ(r.size(), 63u) << at;
        EXPECT_EQ(CharCount(r[7]), 10u) << at << " " << r[7];    // 胎元：甲子(海中金)
        EXPECT_EQ(CharCount(r[9]), 20u) << at << " " << r[9];    // 十神
        EXPECT_EQ(CharCount(r[11]), 18u) << at << " " << r[11];  // 遁藏
        EXPECT_EQ(CharCount(r[14]), 20u) << at << " " << r[14];  // 五行
        EXPECT_EQ(CharCount(r[15]), 18u) << at << " " << r[15];  // 纳音
        EXPECT_EQ(CharCount(r[16]), 45u) << at << " " << r[16];  // 大运纳音
        EXPECT_EQ(CharCount(r[17]), 55u) << at << " " << r[17];  // 大运十神
        EXPECT_EQ(r[53].find("占0个, 木:占0个, 水:占0个, 火:占0个, 土:占0个"), std::string::npos);
        EXPECT_EQ(r[57].rfind("你的骨重为：", 0), 0u) << at;
        EXPECT_GT(CharCount(r[58]), 10u) << at;
        EXPECT_GT(CharCount(r[59]), 10u) << at;
        ++checked;
        if (day == last)
            break;
    }
    EXPECT_GT(checked, 490);
}

// 300 random births against an independent calendar library
// (reference-births.tsv, written by make-bazi-reference.js): the day and
// hour pillars always agree, the first luck period begins in the same year
// in at least 97 % of births and never more than one year apart, and the
// bone weight is the traditional sum for the lunar date (where both
// calendars name the same lunar day: they part by a day in four months of
// 1901-2099).
TEST(BaziReport, RandomBirthsAgreeWithAnIndependentCalendar) {
    const TsvTable table =
        ReadTsvFile(std::string(QUILLORA_SOURCE_DIR) + "/tests/bazi/reference-births.tsv");
    int births = 0;
    int sameYear = 0;
    int otherLunarDay = 0;
    for (const std::vector<std::string>& f : table.rows) {
        const std::string row = f[0] + "-" + f[1] + "-" + f[2] + " " + f[3] + ":" + f[4];
        ASSERT_EQ(f.size(), 13u) << row;
        BirthEntries e = Entries("", "", f[5].c_str(), 0, f[0].c_str(), f[1].c_str(), f[2].c_str(),
                                 HourItems[std::stoi(f[3])], f[4].c_str());
        BirthReadOptions options;
        options.currentYear = 2024;
        const BirthReadResult read = ReadBirthRecord(e, options);
        ASSERT_TRUE(read.record.has_value()) << row;
        const BirthRecord& r = *read.record;
        const auto chart = BuildChartOf(r);
        ASSERT_TRUE(chart.has_value()) << row;
        ++births;
        EXPECT_EQ(chart->dayPillar.Text(), f[6]) << row;
        EXPECT_EQ(chart->hourPillar.Text(), f[7]) << row;
        const int apart = chart->luckStart.year - std::stoi(f[8]);
        EXPECT_LE(std::abs(apart), 1) << row;
        sameYear += apart == 0 ? 1 : 0;

        const int lunarMonth = std::stoi(f[10]);
        if (r.lunar !=
            LunarDate{std::stoi(f[9]), std::abs(lunarMonth), std::stoi(f[11]), lunarMonth < 0}) {
            ++otherLunarDay;
            continue;
        }
        const int tenths = std::stoi(f[12]);
        const std::string weight = "你的骨重为：" + std::to_string(tenths / 10) + "两" +
                                   (tenths % 10 != 0 ? std::to_string(tenths % 10) + "钱" : "");
        const std::vector<std::string> report = BaziReportLines(r, *chart);
        EXPECT_NE(std::find(report.begin(), report.end(), weight), report.end()) << row;
    }
    EXPECT_EQ(births, 300);
    EXPECT_GE(sameYear * 100, births * 97) << sameYear;
    EXPECT_LE(otherLunarDay, 3);
}

TEST(BaziReport, CommandLinePrintsTheMemoLines) {
    CliResult r =
        RunCli(Words("bazi --surname 张 --given 三 --sex 男 --calendar 公历 --year 1986 "
                     "--month 6 --day 5 --hour 10 --minute 30"));
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> want = GoldenLines("forward-start-1.txt");
    want[1] = "年龄：" + std::to_string(DecodeDate(Today()).year - 1986) + "岁";
    ExpectSameLines(SplitLines(r.out), want);

    // A whole hour item works as well as the clock hour.
    r = RunCli({"bazi", "--surname", "李", "--given", "梅", "--sex", "女", "--calendar", "农历",
                "--year", "1986", "--month", "4", "--day", "29", "--hour", "卯 6", "--minute",
                "0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(SplitLines(r.out)[2], "您出生公历：1986年06月06日6点0分");

    // Failed checks, and entries that cannot be read: the message naming the
    // entry on stderr, status 2.
    const struct {
        const char* line;
        const char* message;  // nullptr: not compared
    } refused[] = {
        {"bazi --month 1 --day 1 --hour 0", "请选择出生年!\n"},
        {"bazi --year 1980 --month 1 --day 1", "请选择出生小时!\n"},
        {"bazi --calendar 农历 --year 2020 --month 1 --day 30 --hour 0",
         "农历日期无效：农历2020年一月只有29天，请重新选择!\n"},
        {"bazi --year 1900 --month 1 --day 30 --hour 0",
         "出生日期超出范围(1900年1月31日至2100年12月31日)!\n"},
        {"bazi --year 1980 --month 1 --day 1 --hour 24", nullptr},
        {"bazi --year 1980 --month 2 --day 30 --hour 0",
         "出生日期无效：1980年2月30日不存在，请重新选择!\n"},
        {"bazi --year 1980 --month 1 --day 1 --hour 0 --minute x",
         "出生分钟无效：“x”不是数字，请重新输入!\n"},
        {"bazi --year 1980 --month 1 --day 1 --hour 13 --minute 75",
         "出生分钟无效：75不在0至59之间，请重新输入!\n"},
        {"bazi --calendar 农历 --year 2100 --month 1 --day 1 --hour 0",
         "农历日期只支持1901年至2099年，请重新选择!\n"},
        {"bazi --calendar 农历 --year 2024 --month 2 --day 15 --leap --hour 0",
         "农历日期无效：农历2024年没有闰二月，请重新选择!\n"},
        {"analyse --name 张三 --year 2001 --month 2 --day 29 --hour 0 --main 天元",
         "出生日期无效：2001年2月29日不存在，请重新选择!\n"},
        {"generate --name 张三 --calendar 农历 --year 2023 --month 3 --day 1 --leap --hour 0",
         "农历日期无效：农历2023年没有闰三月（该年闰二月），请重新选择!\n"},
        {"generate --name 张三 --year 2023 --month 2 --day x --hour 0",
         "出生日无效：“x”不是数字，请重新输入!\n"},
    };
    for (const auto& c : refused) {
        r = RunCli(Words(c.line));
        EXPECT_EQ(r.status, 2) << c.line;
        if (c.message != nullptr) {
            EXPECT_EQ(r.err, c.message) << c.line;
            EXPECT_EQ(r.out, "") << c.line;
        }
    }
    // The commands that take birth options read and refuse them alike.
    for (const std::string command : {"bazi", "analyse --main 九万", "generate --name 张三"}) {
        r = RunCli(Words(command + " --year 1980 --month 1 --day 1 --hour 24"));
        EXPECT_EQ(r.status, 2) << command;
        EXPECT_EQ(r.err, "--hour takes the clock hour 0-23 or an hour item such as \"子 0\"\n")
            << command;
        r = RunCli(Words(command + " --calendar 阴历 --year 1980 --month 1 --day 1 --hour 0"));
        EXPECT_EQ(r.status, 2) << command;
        EXPECT_EQ(r.err, "--calendar takes 公历 or 农历\n") << command;
    }

    // --leap names the leap month of a lunar year, in every command that
    // reads a birth.
    r = RunCli(Words("bazi --calendar 农历 --year 2023 --month 2 --day 15 --leap --hour 0"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(SplitLines(r.out)[3], "农历：癸卯(兔年)闰二月十五");
    r =
        RunCli(Words("analyse --name 张三 --calendar 农历 --year 2023 --month 2 --day 15 --leap "
                     "--hour 0 --main 天元"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("农历：癸卯(兔年)闰二月十五"), std::string::npos) << r.out;
}
