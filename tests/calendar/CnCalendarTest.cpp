// The picker's calendar details: lunar codes, names, festivals, terms,
// zodiac and star signs, and their agreement with the lunar conversion.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "CalendarReference.h"
#include "calendar/CnCalendar.h"
#include "calendar/LunarCalendar.h"
#include "calendar/TrueSolarTerm.h"
#include "common/DateValue.h"

namespace quillora {
namespace {

struct CodeCase {
    const char* date;
    int code;
    const char* monthText;
    const char* dayText;
};

TEST(CnCalendar, LunarCodesAndTexts) {
    const CodeCase cases[] = {
        {"1901-01-01", 1111, "冬月", "十一"},
        {"2020-05-22", 430, "四月", "三十"},
        {"2020-05-23", -401, "闰四", "初一"},
        {"2020-06-21", 501, "五月", "初一"},
        {"2034-01-01", -1111, "闰冬", "十一"},
        {"2033-12-31", -1110, "闰冬", "初十"},
        {"2034-01-20", 1201, "腊月", "初一"},
        {"2021-02-11", 1230, "腊月", "三十"},
        {"2021-02-12", 101, "正月", "初一"},
        {"2050-12-31", 1118, "冬月", "十八"},
        {"1900-12-31", 0, "", ""},
        {"2051-01-01", 0, "", ""},
        {"2000-02-05", 101, "正月", "初一"},
        {"1984-02-01", 1230, "腊月", "三十"},
    };
    for (const CodeCase& c : cases) {
        const DateValue x = ParseDate(c.date);
        EXPECT_EQ(CnLunarCode(x), c.code) << c.date;
        EXPECT_EQ(CnMonthText(x), c.monthText) << c.date;
        EXPECT_EQ(CnDayText(x), c.dayText) << c.date;
    }
}

TEST(CnCalendar, DayOfYear) {
    EXPECT_EQ(DayOfYear(ParseDate("2021-01-01")), 1);
    EXPECT_EQ(DayOfYear(ParseDate("2021-03-01")), 60);
    EXPECT_EQ(DayOfYear(ParseDate("2020-03-01")), 61);
    EXPECT_EQ(DayOfYear(ParseDate("2000-12-31")), 366);
    EXPECT_EQ(DayOfYear(ParseDate("1900-12-31")), 365);
}

TEST(CnCalendar, Festivals) {
    const std::pair<const char*, const char*> lunar[] = {
        {"2021-02-11", "除夕"},   {"2021-02-12", "春节"},   {"2021-02-26", "元宵节"},
        {"2021-06-14", "端午节"}, {"2021-08-14", "七夕节"}, {"2021-09-21", "中秋节"},
        {"2021-10-14", "重阳节"}, {"2022-01-10", "腊八节"}, {"2050-12-31", ""},
        {"2021-02-13", ""},       {"2020-05-27", ""},  // 闰四初五: a leap month has no festival
        {"1900-12-31", ""},       {"2034-02-18", "除夕"},  // after a leap 冬 and 腊月
    };
    for (const auto& [date, name] : lunar)
        EXPECT_EQ(CnFestival(ParseDate(date)), name) << date;

    // Gregorian festivals: fixed days and weekday rules, by day of month.
    const std::pair<const char*, const char*> solar[] = {
        {"2021-01-01", "元旦节"}, {"2021-02-14", "情人节"}, {"2021-03-08", "妇女节"},
        {"2021-04-01", "愚人节"}, {"2021-05-01", "劳动节"}, {"2021-05-04", "青年节"},
        {"2021-05-09", "母亲节"}, {"2021-05-02", ""},       {"2021-05-16", ""},
        {"2021-06-01", "儿童节"}, {"2021-06-20", "父亲节"}, {"2021-06-13", ""},
        {"2021-07-01", "建党节"}, {"2021-08-01", "建军节"}, {"2021-09-10", "教师节"},
        {"2021-10-01", "国庆节"}, {"2021-10-06", "老人节"}, {"2021-10-31", "万圣节"},
        {"2021-11-08", "记者日"}, {"2021-11-25", "感恩节"}, {"2021-11-18", ""},
        {"2021-12-25", "圣诞节"}, {"2020-05-10", "母亲节"}, {"2020-11-26", "感恩节"},
        {"2020-06-21", "父亲节"}, {"2021-12-24", ""},
    };
    for (const auto& [date, name] : solar) {
        const DateValue x = ParseDate(date);
        EXPECT_EQ(SolarFestival(DecodeDate(x).day, x), name) << date;
    }
    // The day number is read in the month of the second argument.
    EXPECT_EQ(SolarFestival(14, ParseDate("2021-02-01")), "情人节");
    EXPECT_EQ(SolarFestival(1, ParseDate("2021-05-31")), "劳动节");
    EXPECT_EQ(SolarFestival(31, ParseDate("2021-02-01")), "");
}

TEST(CnCalendar, TermsZodiacAndStarSigns) {
    const std::pair<const char*, const char*> terms[] = {
        {"2021-01-05", "小寒"}, {"2021-01-20", "大寒"}, {"2021-02-03", "立春"},
        {"2021-02-18", "雨水"}, {"2021-03-05", "惊蛰"}, {"2021-03-20", "春分"},
        {"2021-02-04", ""},     {"2021-12-21", "冬至"}, {"2050-09-07", "白露"},
        {"2050-09-08", ""},     {"1900-01-06", ""},     {"2051-01-05", ""},
    };
    for (const auto& [date, name] : terms)
        EXPECT_EQ(CnTermText(ParseDate(date)), name) << date;
    EXPECT_EQ(CnTermIndex(2021, 2, 3), 3);
    EXPECT_EQ(CnTermIndex(2021, 2, 18), 4);
    EXPECT_EQ(CnTermIndex(2021, 2, 15), 0);
    EXPECT_EQ(CnTermIndex(2021, 13, 3), 0);

    const std::pair<const char*, const char*> zodiac[] = {
        {"2021-02-11", "子鼠"}, {"2021-02-12", "丑牛"}, {"1972-06-01", "子鼠"},
        {"2034-01-01", "丑牛"},  // 闰冬 of 2033 still belongs to the 牛 year
        {"2034-02-19", "寅虎"}, {"2033-12-31", "丑牛"}, {"1900-06-01", "子鼠"},
        {"2060-01-01", "辰龙"},  // outside the table: the Gregorian year's animal
    };
    for (const auto& [date, name] : zodiac)
        EXPECT_EQ(CnZodiac(ParseDate(date)), name) << date;

    const std::pair<const char*, const char*> signs[] = {
        {"2021-01-19", "摩羯座"}, {"2021-01-20", "水瓶座"}, {"2021-02-18", "水瓶座"},
        {"2021-02-19", "双鱼座"}, {"2021-04-19", "白羊座"}, {"2021-04-20", "金牛座"},
        {"2021-06-21", "双子座"}, {"2021-06-22", "巨蟹座"}, {"2021-08-22", "狮子座"},
        {"2021-08-23", "处女座"}, {"2021-10-23", "天秤座"}, {"2021-10-24", "天蝎座"},
        {"2021-12-21", "射手座"}, {"2021-12-22", "摩羯座"}, {"2021-12-31", "摩羯座"},
    };
    for (const auto& [date, name] : signs) {
        const DateValue x = ParseDate(date);
        EXPECT_EQ(StarSign(x), name) << date;
        EXPECT_EQ(StarSignOfDay(DecodeDate(x).day, ParseDate(date) - DecodeDate(x).day + 1), name);
    }
}

// The picker's lunar codes against the lunar conversion on every day of
// 1901 to 2050: they agree except in two months (1906, 1914) whose first day
// lies one day apart, the new moon falling close to midnight; each
// difference lasts through that lunar month. The holidays that follow from
// the codes fall on the converted lunar dates: the Dragon Boat holiday of
// 2013 on 12 June, and 1989-08-07 is 立秋, not 七夕.
TEST(CnCalendar, AgreesWithLunarConversion) {
    struct Run {
        std::string first;
        std::string last;
    };
    std::vector<Run> runs;
    DateValue previous = -1;
    for (DateValue x = ParseDate("1901-01-01"); x <= ParseDate("2050-12-31"); x += 1) {
        const LunarDate lunar = SolarToLunar(x);
        const int code = CnLunarCode(x);
        const int expected = (lunar.month * 100 + lunar.day) * (lunar.isLeap ? -1 : 1);
        if (code == expected)
            continue;
        if (x - 1 == previous) {
            runs.back().last = FormatDate(x);
        } else {
            runs.push_back({FormatDate(x), FormatDate(x)});
        }
        previous = x;
    }
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].first, "1906-04-23");
    EXPECT_EQ(runs[1].first, "1914-11-17");
    for (const Run& r : runs)
        EXPECT_EQ(ParseDate(r.last) - ParseDate(r.first) + 1, 30) << r.first;

    EXPECT_EQ(CnLunarCode(ParseDate("1906-04-23")), 330);
    EXPECT_EQ(SolarToLunar(ParseDate("1906-04-23")), (LunarDate{1906, 4, 1, false}));
    EXPECT_EQ(CnLunarCode(ParseDate("1914-11-17")), 1001);
    EXPECT_EQ(SolarToLunar(ParseDate("1914-11-17")), (LunarDate{1914, 9, 30, false}));
    EXPECT_EQ(CnLunarCode(ParseDate("1989-08-01")), 630);
    EXPECT_EQ(CnLunarCode(ParseDate("2013-06-08")), 501);
}

// The term-day table against the printed rows of 1901, 2008, 2021 and 2050.
// They agree except where a printed byte puts a term on a day on which it
// does not fall: 白露 2050 begins on 7 September, 18:00 Beijing time.
TEST(CnCalendar, TermTableKeepsTheTrueDays) {
    struct Row {
        int year;
        std::uint8_t bytes[12];
    };
    const Row printed[] = {
        {1901, {0x96, 0xB4, 0x96, 0xA6, 0x97, 0x97, 0x78, 0x79, 0x79, 0x69, 0x78, 0x77}},
        {2008, {0x96, 0xB4, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x87, 0x78, 0x87, 0x86}},
        {2021, {0xA5, 0xC3, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x88, 0x78, 0x87, 0x86}},
        {2050, {0xA5, 0xC3, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x78, 0x78, 0x87, 0x87}},
    };
    for (const Row& row : printed) {
        for (int m = 1; m <= 12; ++m) {
            const std::uint8_t ours = CnTermTable[(row.year - kCnFirstYear) * 12 + m - 1];
            if (row.year == 2050 && m == 9) {
                EXPECT_EQ(ours, 0x88);  // printed 0x78: the 8th
                continue;
            }
            EXPECT_EQ(ours, row.bytes[m - 1]) << row.year << "-" << m;
        }
    }
    const DateValue bailu2050 = TrueSolarTermInstant(2050, 16);
    EXPECT_EQ(FormatDate(bailu2050), "2050-09-07");
    EXPECT_EQ(DecodeTime(bailu2050).hour, 18);
}

// Every term day of the table is the Beijing day of the reference instant,
// and what the engine gives today (the committed table is not stale).
TEST(CnCalendar, TermTableMatchesReferenceAndEngine) {
    int checked = 0;
    for (const test::ReferenceTerm& ref : test::ReadReferenceTerms()) {
        if (ref.year < kCnFirstYear || ref.year > kCnLastYear)
            continue;
        const DateValue day = ParseDate(ref.text.substr(0, 10));
        const int month = ref.index / 2 + 1;
        const int number = ref.index + 1;
        const DateParts p = DecodeDate(day);
        EXPECT_EQ(p.month, month) << ref.text;
        EXPECT_EQ(CnTermIndex(p.year, p.month, p.day), number) << ref.text;
        EXPECT_EQ(CnTermText(day), TermNames[ref.index]) << ref.text;
        EXPECT_EQ(DateOf(TrueSolarTermInstant(ref.year, ref.index)), day) << ref.text;
        ++checked;
    }
    EXPECT_EQ(checked, 3600);
}

TEST(CnCalendar, PickerMonthLabels) {
    struct Expect {
        int day;
        const char* text;
        DayLabelKind kind;
    };
    const auto check = [](int year, int month, std::initializer_list<Expect> expected) {
        const std::vector<PickerDayLabel> labels = PickerMonthLabels(year, month);
        ASSERT_EQ(static_cast<int>(labels.size()), DaysInMonth(year, month));
        for (const Expect& e : expected) {
            EXPECT_EQ(labels[e.day - 1].text, e.text) << year << "-" << month << "-" << e.day;
            EXPECT_EQ(labels[e.day - 1].kind, e.kind) << year << "-" << month << "-" << e.day;
        }
    };
    check(2021, 2,
          {{12, "春节", DayLabelKind::LunarFestival},
           {11, "除夕", DayLabelKind::LunarFestival},
           {3, "立春", DayLabelKind::Term},
           {18, "雨水", DayLabelKind::Term},
           {14, "情人节", DayLabelKind::SolarFestival},
           {26, "元宵节", DayLabelKind::LunarFestival},
           {13, "初二", DayLabelKind::Day}});
    check(2020, 5, {{23, "闰四", DayLabelKind::Month}, {22, "三十", DayLabelKind::Day}});
    check(2020, 4, {{23, "四月", DayLabelKind::Month}});
    // A term wins over a Gregorian festival: 2021-12-21 is 冬至 and no
    // festival; 2010-02-14 is both 春节 and 情人节.
    check(2010, 2, {{14, "春节", DayLabelKind::LunarFestival}});
    check(2021, 12,
          {{21, "冬至", DayLabelKind::Term}, {25, "圣诞节", DayLabelKind::SolarFestival}});
    // The Dragon Boat holiday of 2013 and 立秋 1989 (七夕 the next day).
    check(2013, 6,
          {{12, "端午节", DayLabelKind::LunarFestival},
           {13, "初六", DayLabelKind::Day},
           {8, "五月", DayLabelKind::Month}});
    check(1989, 8,
          {{7, "立秋", DayLabelKind::Term},
           {8, "七夕节", DayLabelKind::LunarFestival},
           {2, "七月", DayLabelKind::Month}});
    EXPECT_EQ(DayLabelKindName(DayLabelKind::SolarFestival), "solarfest");
    EXPECT_EQ(DayLabelKindName(DayLabelKind::LunarFestival), "lunarfest");
}

}  // namespace
}  // namespace quillora
