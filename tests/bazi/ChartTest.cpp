// The Four Pillars chart: pillars of births whose charts are published, the
// month and year change at the jie instants, hidden stems, direction, start
// age, luck and conception pillars.
//
// Jie instants quoted below are Beijing time from an independent ephemeris
// (tests/data/solar-terms.tsv, dumped from a general calendar library).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "bazi/Chart.h"
#include "data/Database.h"
#include "support/ScratchData.h"

using namespace quillora;

namespace {

struct Pillars {
    std::string year, month, day, hour;
};

Pillars PillarsOf(int y, int m, int d, int h, int mi, const char* sex = "男") {
    const auto c = BuildChart(y, m, d, h, mi, sex);
    EXPECT_TRUE(c.has_value()) << y << "-" << m << "-" << d;
    if (!c)
        return {};
    return {c->yearPillar.Text(), c->monthPillar.Text(), c->dayPillar.Text(), c->hourPillar.Text()};
}

void ExpectPillars(int y, int m, int d, int h, int mi, const Pillars& expected) {
    const Pillars got = PillarsOf(y, m, d, h, mi);
    EXPECT_EQ(got.year, expected.year) << y << "-" << m << "-" << d << " " << h << ":" << mi;
    EXPECT_EQ(got.month, expected.month) << y << "-" << m << "-" << d << " " << h << ":" << mi;
    if (!expected.day.empty()) {
        EXPECT_EQ(got.day, expected.day) << y << "-" << m << "-" << d;
    }
    if (!expected.hour.empty()) {
        EXPECT_EQ(got.hour, expected.hour) << y << "-" << m << "-" << d;
    }
}

}  // namespace

TEST(Chart, PublishedChartsAndDayPillars) {
    ExpectPillars(1986, 5, 29, 13, 37, {"丙寅", "癸巳", "癸酉", "己未"});
    ExpectPillars(1994, 12, 6, 2, 0, {"甲戌", "乙亥", "丙寅", "己丑"});
    ExpectPillars(1981, 9, 5, 0, 0, {"辛酉", "丙申", "丙戌", "戊子"});
    ExpectPillars(1984, 2, 5, 10, 0, {"甲子", "丙寅", "", ""});
    ExpectPillars(1984, 2, 3, 10, 0, {"癸亥", "乙丑", "", ""});
    ExpectPillars(2020, 1, 10, 10, 0, {"己亥", "丁丑", "", ""});
    ExpectPillars(2020, 1, 3, 10, 0, {"己亥", "丙子", "", ""});

    EXPECT_EQ(DayPillarOf(2000, 1, 1).Text(), "戊午");
    EXPECT_EQ(DayPillarOf(2024, 2, 10).Text(), "甲辰");
    EXPECT_EQ(DayPillarOf(1900, 2, 20).Text(), "甲子");
    EXPECT_EQ(DayPillarOf(1900, 4, 21).Text(), "甲子");  // sixty days later
    EXPECT_EQ(DayPillarOf(2100, 12, 31).Text(),
              DayPillarOf(1900, 2, 20).Stepped(73415 - 52).Text());
}

TEST(Chart, HourPillarAndTheLateRatHour) {
    // A 戊 day starts with 壬子. The 子 hour that begins at 23 h takes the
    // next (己) day's stem, 甲子, while the day pillar stays on the date.
    EXPECT_EQ(PillarsOf(2000, 1, 1, 0, 0).hour, "壬子");
    EXPECT_EQ(PillarsOf(2000, 1, 1, 23, 0).hour, "甲子");
    EXPECT_EQ(PillarsOf(2000, 1, 1, 23, 59).day, "戊午");
    EXPECT_EQ(PillarsOf(2000, 1, 2, 0, 0).hour, "甲子");
    EXPECT_EQ(PillarsOf(2000, 1, 1, 1, 0).hour, "癸丑");
    EXPECT_EQ(PillarsOf(2000, 1, 1, 22, 59).hour, "癸亥");
    EXPECT_EQ(HourPillarOf(0, 0).Text(), "甲子");   // a 甲 day
    EXPECT_EQ(HourPillarOf(9, 23).Text(), "甲子");  // a 癸 day ends with the 甲 day's 子 hour
    EXPECT_EQ(HourPillarOf(5, 23).Text(), "丙子");  // a 己 day with the 庚 day's
}

TEST(Chart, YearAndMonthChangeAtTheJieInstant) {
    // 立春 2024: 16:27:07.
    ExpectPillars(2024, 2, 4, 16, 27, {"癸卯", "乙丑", "", ""});
    ExpectPillars(2024, 2, 4, 16, 28, {"甲辰", "丙寅", "", ""});
    // 立春 2021 falls on 3 February, 22:58:48: fixed calendar days would keep
    // the whole of 3 February in 庚子 / 己丑.
    ExpectPillars(2021, 2, 3, 22, 58, {"庚子", "己丑", "", ""});
    ExpectPillars(2021, 2, 3, 22, 59, {"辛丑", "庚寅", "", ""});
    // 立春 1980 falls on 5 February, 00:09:28: the evening of 4 February still
    // belongs to 己未 / 丁丑.
    ExpectPillars(1980, 2, 4, 23, 30, {"己未", "丁丑", "", ""});
    ExpectPillars(1980, 2, 5, 0, 10, {"庚申", "戊寅", "", ""});
    // 芒种 1986: 07:44:23 opens the 午 month.
    ExpectPillars(1986, 6, 6, 7, 43, {"丙寅", "癸巳", "", ""});
    ExpectPillars(1986, 6, 6, 7, 45, {"丙寅", "甲午", "", ""});
    // 小寒 2024 (04:49:22) opens 乙丑 inside the 癸卯 year.
    ExpectPillars(2024, 1, 6, 4, 48, {"癸卯", "甲子", "", ""});
    ExpectPillars(2024, 1, 6, 4, 50, {"癸卯", "乙丑", "", ""});
    // The first and last days of the range.
    ExpectPillars(1900, 1, 31, 12, 0, {"己亥", "丁丑", "", ""});
    ExpectPillars(2100, 12, 31, 12, 0, {"庚申", "戊子", "", ""});
}

TEST(Chart, HiddenStemsFollowEachPositionsOwnBranch) {
    const auto c = BuildChart(1986, 5, 29, 13, 37, "男");
    ASSERT_TRUE(c.has_value());
    // Main qi first, then the middle and the residual qi.
    EXPECT_EQ(c->hiddenYear, "甲丙戊");   // 寅
    EXPECT_EQ(c->hiddenMonth, "丙庚戊");  // 巳
    EXPECT_EQ(c->hiddenDay, "辛");        // 酉
    EXPECT_EQ(c->hiddenHour, "己丁乙");   // 未

    // Before 立春 2024 the year is 癸卯 and the month 乙丑: the hidden stems
    // are those of 卯 and 丑, not of the coming 辰 year or of February's 寅.
    const auto early = BuildChart(2024, 2, 4, 10, 0, "男");
    ASSERT_TRUE(early.has_value());
    EXPECT_EQ(early->hiddenYear, "乙");
    EXPECT_EQ(early->hiddenMonth, "己癸辛");
    // 1 March 2024 stands in the 寅 month, whatever the Gregorian month.
    EXPECT_EQ(BuildChart(2024, 3, 1, 10, 0, "男")->hiddenMonth, "甲丙戊");
}

TEST(Chart, DirectionLuckPillarsAndConception) {
    struct Case {
        int year;
        const char* sex;
        bool backward;
    };
    const Case cases[] = {
        {1985, "男", true},   // 乙丑: yin year, man
        {1984, "女", true},   // 甲子: yang year, woman
        {1984, "男", false},  // yang year, man
        {1985, "女", false},  // yin year, woman
        {1985, "", false},    // any text but 男 counts as a woman
    };
    for (const Case& k : cases) {
        const auto c = BuildChart(k.year, 7, 1, 12, 0, k.sex);
        ASSERT_TRUE(c.has_value());
        EXPECT_EQ(c->backward, k.backward) << k.year << k.sex;
        EXPECT_EQ(c->luckPillars[0], c->monthPillar);
        EXPECT_EQ(c->luckPillars[1], c->monthPillar.Stepped(k.backward ? -1 : 1));
        EXPECT_EQ(c->luckPillars[9], c->monthPillar.Stepped(k.backward ? -9 : 9));
    }
    // 1986-05-29, 癸巳 month, man: 甲午 乙未 … forward.
    const auto c = BuildChart(1986, 5, 29, 13, 37, "男");
    EXPECT_EQ(c->luckPillars[1].Text(), "甲午");
    EXPECT_EQ(c->luckPillars[9].Text(), "壬寅");
    EXPECT_EQ(c->conceptionPillar.Text(), "甲申");
    // A 丙寅 month conceives in 丁巳.
    EXPECT_EQ(BuildChart(1984, 2, 5, 10, 0, "男")->conceptionPillar.Text(), "丁巳");
}

// Spans from the birth instant to the jie instant, reckoned three days to a
// year, a day to four months and a double hour to ten days; the expected
// spans agree with an independent calendar library (whose start dates also
// add the hours left over).
TEST(Chart, LuckStartsAtTheExactSpanToTheJie) {
    struct Case {
        int y, m, d, h, mi;
        const char* sex;
        int years, months, days;
        const char* date;  // the first period begins
        int startAge;
    };
    const Case cases[] = {
        // 芒种 1986 at 07:44 that morning, forward: eight days.
        {1986, 6, 6, 6, 0, "男", 0, 0, 8, "1986-06-14", 1},
        // The same birth backward: 立夏 on 6 May, 31 days before.
        {1986, 6, 6, 6, 0, "女", 10, 4, 12, "1996-10-18", 11},
        // 惊蛰 2023 at 04:36 the same day, backward: nine hours.
        {2023, 3, 6, 13, 37, "男", 0, 1, 15, "2023-04-21", 1},
        // After 立秋 2010 (21:49), forward to 白露 a month later.
        {2010, 8, 7, 22, 50, "男", 10, 4, 14, "2020-12-21", 11},
        {1986, 5, 29, 13, 37, "男", 2, 7, 0, "1988-12-29", 3},
        {1986, 5, 29, 13, 37, "女", 7, 9, 20, "1994-03-20", 9},
        // Before the Chinese New Year, backward to 小寒.
        {1990, 1, 20, 0, 0, "男", 4, 8, 7, "1994-09-27", 5},
    };
    for (const Case& k : cases) {
        const auto c = BuildChart(k.y, k.m, k.d, k.h, k.mi, k.sex);
        ASSERT_TRUE(c.has_value());
        const std::string at = std::to_string(k.y) + "-" + std::to_string(k.m) + "-" +
                               std::to_string(k.d) + " " + k.sex;
        EXPECT_EQ(c->luckStart.years, k.years) << at;
        EXPECT_EQ(c->luckStart.months, k.months) << at;
        EXPECT_EQ(c->luckStart.days, k.days) << at;
        EXPECT_EQ(FormatDate(c->luckStart.date), k.date) << at;
        EXPECT_EQ(c->luckStart.year, std::stoi(std::string(k.date).substr(0, 4))) << at;
        EXPECT_EQ(c->startAge, k.startAge) << at;
    }

    // The reckoning itself: 3 days a year, 6 hours a month, 12 minutes a
    // day, the rest dropped; a month the birth day does not have ends early.
    const LuckStart s = LuckStartOf(EncodeDate(2000, 1, 31), 7 * 86400 + 6 * 3600 + 25 * 60);
    EXPECT_EQ(s.years, 2);
    EXPECT_EQ(s.months, 5);
    EXPECT_EQ(s.days, 2);
    EXPECT_EQ(FormatDate(s.date), "2002-07-02");  // 2002-06-30 + 2 days
    EXPECT_EQ(LuckStartOf(EncodeDate(2000, 1, 31), -(30 * 60 + 1)).years, 0);
    EXPECT_EQ(FormatDate(LuckStartOf(EncodeDate(2000, 1, 31), 30 * 60).date), "2000-02-02");

    // Where table JQ has no next jie (after 大雪 2100) the formula stands in.
    const auto last = BuildChart(2100, 12, 20, 12, 0, "男");
    ASSERT_TRUE(last.has_value());
    EXPECT_GT(last->luckStart.year, 2100);
}

TEST(Chart, DaysBeyondTheMonthGiveNoChart) {
    EXPECT_FALSE(BuildChart(2000, 2, 30, 0, 0, "男").has_value());
    EXPECT_FALSE(BuildChart(2000, 4, 31, 0, 0, "男").has_value());
    EXPECT_FALSE(BuildChart(2000, 9, 31, 0, 0, "男").has_value());
    EXPECT_FALSE(BuildChart(2001, 2, 29, 0, 0, "男").has_value());
    EXPECT_TRUE(BuildChart(2000, 2, 29, 0, 0, "男").has_value());
    EXPECT_FALSE(BuildChart(1900, 2, 29, 0, 0, "男").has_value());  // century rule
}

TEST(Chart, FixedCalendarDaysStandInWithoutJieInstants) {
    EXPECT_EQ(FixedMonthBranch(204), 2);   // 寅
    EXPECT_EQ(FixedMonthBranch(203), 1);   // 丑
    EXPECT_EQ(FixedMonthBranch(1231), 0);  // 子
    EXPECT_EQ(FixedMonthBranch(105), 0);
    EXPECT_EQ(FixedMonthBranch(106), 1);
    int branch = -1;
    int year = -1;
    EXPECT_FALSE(MonthAndYearByJie({}, 2024, InstantSeconds(2024, 2, 4, 0, 0, 0), branch, year));

    // A sound Gantrel.dll whose JQ table holds no instants: 3 February 2021
    // after 立春 then counts by the fixed days.
    const test::ScratchData folder;
    folder.MakeDatabase("Gantrel.dll",
                        "create table hzwh (hz text, wh text);"
                        "create table Shishen (jiazi text, ShiShen text);"
                        "create table jiazi (jiazi text, layin text);"
                        "create table JQ (YearA integer, JQ text, SJ text);");
    const Pillars fixed = PillarsOf(2021, 2, 3, 23, 30);
    const Pillars fixedAfter = PillarsOf(2021, 2, 4, 1, 0);
    EXPECT_EQ(fixed.year, "庚子");
    EXPECT_EQ(fixed.month, "己丑");
    EXPECT_EQ(fixedAfter.year, "辛丑");
    EXPECT_EQ(fixedAfter.month, "庚寅");
    // Without the file at all the error is reported: fixed days standing in
    // would hide the missing file.
    std::filesystem::remove(folder / "Gantrel.dll");
    EXPECT_THROW(BuildChart(2021, 2, 3, 23, 30, "男"), DbError);
}
