// Reading the legal person's input group: the checks in their order, the
// lunar conversion, the texts of the record and the six summary lines.
#include <gtest/gtest.h>

#include <string>

#include "bazi/BirthRecord.h"
#include "common/DateValue.h"

using namespace quillora;

namespace {

// The entries as the input group starts: 1 January 1980, 子 0, minute 0.
BirthEntries Initial() {
    BirthEntries e;
    e.sex = "男";
    e.year = "1980";
    e.month = "1";
    e.day = "1";
    e.hour = "子 0";
    e.minute = "0";
    return e;
}

BirthRecord Read(const BirthEntries& e, int currentYear = 2024) {
    BirthReadOptions options;
    options.currentYear = currentYear;
    const BirthReadResult r = ReadBirthRecord(e, options);
    EXPECT_TRUE(r.record.has_value()) << r.issue.message;
    return r.record.value_or(BirthRecord{});
}

std::string IssueOf(const BirthEntries& e, bool requireName = false) {
    BirthReadOptions options;
    options.requireName = requireName;
    const BirthReadResult r = ReadBirthRecord(e, options);
    EXPECT_FALSE(r.record.has_value());
    return r.issue.message;
}

}  // namespace

TEST(BirthRecord, InitialEntriesReadAsFirstOfJanuary1980) {
    const BirthRecord r = Read(Initial());
    EXPECT_FALSE(r.lunarEntry);
    EXPECT_EQ(r.dateText, "1980-1-1");  // as typed, not padded
    EXPECT_EQ(FormatDate(r.birthDate), "1980-01-01");
    EXPECT_EQ(r.lunar, (LunarDate{1979, 11, 14, false}));
    EXPECT_EQ(r.lunarText, "己未(羊年)十一月十四");
    EXPECT_EQ(r.animal, "羊");
    EXPECT_EQ(r.constellation, "摩羯座");
    EXPECT_EQ(r.hourText, "0");
    EXPECT_EQ(r.age, 44);

    const std::vector<std::string> expected = {
        "姓名：",   "年龄：44岁",  "您出生公历：1980年01月01日0点0分", "农历：己未(羊年)十一月十四",
        "属相：羊", "星座：摩羯座"};
    EXPECT_EQ(BirthSummaryLines(r), expected);
}

TEST(BirthRecord, LunarEntriesConvertToTheOrdinaryMonth) {
    struct Case {
        const char* year;
        const char* month;
        const char* day;
        const char* gregorian;  // the published Gregorian date of that lunar day
        const char* lunarText;
    };
    const Case cases[] = {
        // Chinese New Year 1980 fell on 16 February.
        {"1980", "1", "1", "1980-02-16", "庚申(猴年)一月初一"},
        // 2020 has a leap fourth month (from 23 May); month 4 is the first.
        {"2020", "4", "1", "2020-04-23", "庚子(鼠年)四月初一"},
        // 2023 has a leap second month (from 22 March).
        {"2023", "2", "1", "2023-02-20", "癸卯(兔年)二月初一"},
        // Blanks around the numbers are ignored.
        {" 2023 ", " 2", "1 ", "2023-02-20", "癸卯(兔年)二月初一"},
    };
    for (const Case& c : cases) {
        BirthEntries e = Initial();
        e.calendarIndex = 1;
        e.year = c.year;
        e.month = c.month;
        e.day = c.day;
        const BirthRecord r = Read(e);
        EXPECT_TRUE(r.lunarEntry);
        EXPECT_EQ(FormatDate(r.birthDate), c.gregorian) << c.year << "-" << c.month;
        // Year in four digits, month and day in two.
        EXPECT_EQ(r.dateText, c.gregorian);
        EXPECT_EQ(r.lunarText, c.lunarText);
    }
    BirthEntries e = Initial();
    e.calendarIndex = 1;
    const BirthRecord r = Read(e);
    EXPECT_EQ(r.yearText, "1980");
    EXPECT_EQ(r.monthText, "02");
    EXPECT_EQ(r.dayText, "16");
    EXPECT_EQ(r.animal, "猴");
}

TEST(BirthRecord, ChecksStopAtTheFirstEmptyEntryInOrder) {
    BirthEntries e = Initial();
    e.year = "   ";
    e.month = "";
    e.day = "";
    e.hour = "";
    EXPECT_EQ(IssueOf(e), "请选择出生年!");
    e.year = "1980";
    EXPECT_EQ(IssueOf(e), "请选择出生月!");
    e.month = "\t1";
    EXPECT_EQ(IssueOf(e), "请选择出生日!");
    e.day = "1";
    EXPECT_EQ(IssueOf(e), "请选择出生小时!");

    // The generation page asks for a name first and puts the focus there.
    BirthEntries named = Initial();
    named.name = "  ";
    named.year = "";
    BirthReadOptions options;
    options.requireName = true;
    const BirthReadResult r = ReadBirthRecord(named, options);
    ASSERT_FALSE(r.record.has_value());
    EXPECT_EQ(r.issue.message, "姓名不能为空!");
    EXPECT_EQ(r.issue.focus, BirthField::Name);
    // The Four Pillars page does not: both name parts may be empty.
    EXPECT_EQ(Read(Initial()).name, "");
}

TEST(BirthRecord, InvalidOrOutOfRangeDatesNeverReachTheNames) {
    struct Case {
        int calendar;
        const char* year;
        const char* month;
        const char* day;
        const char* message;
    };
    const Case cases[] = {
        {0, "1900", "1", "30", "出生日期超出范围(1900年1月31日至2100年12月31日)!"},
        {0, "1900", "1", "1", "出生日期超出范围(1900年1月31日至2100年12月31日)!"},
        {0, "2101", "1", "1", "出生日期超出范围(1900年1月31日至2100年12月31日)!"},
        {0, "0980", "6", "1", "出生日期超出范围(1900年1月31日至2100年12月31日)!"},
        {1, "2100", "1", "1", "农历日期无效，请重新选择!"},  // lunar years 1901-2099 only
        {1, "1900", "5", "1", "农历日期无效，请重新选择!"},
        {1, "2020", "1", "30", "农历日期无效，请重新选择!"},  // 正月 2020 has 29 days
        {1, "2020", "13", "1", "农历日期无效，请重新选择!"},
        {1, "2020", "0", "1", "农历日期无效，请重新选择!"},
        {1, "2020", "4", "0", "农历日期无效，请重新选择!"},
        {1, "2020", "-2", "5", "农历日期无效，请重新选择!"},
    };
    for (const Case& c : cases) {
        BirthEntries e = Initial();
        e.calendarIndex = c.calendar;
        e.year = c.year;
        e.month = c.month;
        e.day = c.day;
        EXPECT_EQ(IssueOf(e), c.message) << c.year << "-" << c.month << "-" << c.day;
    }
    // The two ends of the range are accepted.
    BirthEntries first = Initial();
    first.year = "1900";
    first.day = "31";
    EXPECT_EQ(Read(first).lunarText, "庚子(鼠年)一月初一");
    BirthEntries last = Initial();
    last.year = "2100";
    last.month = "12";
    last.day = "31";
    EXPECT_EQ(Read(last).lunar, (LunarDate{2100, 12, 1, false}));
}

TEST(BirthRecord, ImpossibleTextsFailWithTheConversionMessages) {
    BirthEntries e = Initial();
    e.month = "2";
    e.day = "30";
    try {
        ReadBirthRecord(e);
        FAIL() << "30 February was read";
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'1980-2-30' is not a valid date");
    }
    e.month = "13";
    e.day = "1";
    EXPECT_THROW(ReadBirthRecord(e), ConvertError);
    e = Initial();
    e.year = "2001";
    e.month = "2";
    e.day = "29";
    EXPECT_THROW(ReadBirthRecord(e), ConvertError);

    BirthEntries lunar = Initial();
    lunar.calendarIndex = 1;
    lunar.month = "正";
    try {
        ReadBirthRecord(lunar);
        FAIL() << "a month of 正 was read";
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'正' is not a valid integer value");
    }
}

TEST(BirthRecord, HourMinuteNameAndAgeTexts) {
    BirthEntries e = Initial();
    e.hour = "巳 10";
    e.minute = " 5";
    e.name = " 张 ";
    e.givenName = " 三丰 ";
    e.month = "12";
    e.day = "31";
    const BirthRecord r = Read(e, 2024);
    EXPECT_EQ(r.hourText, "10");
    EXPECT_EQ(r.minuteText, " 5");
    EXPECT_EQ(r.name, "张三丰");
    EXPECT_EQ(r.age, 44);  // the birthday plays no part
    EXPECT_EQ(BirthSummaryLines(r)[2], "您出生公历：1980年12月31日10点 5分");

    e.hour = "子 23";
    EXPECT_EQ(Read(e).hourText, "23");

    // 20 May keeps the blank of its sign's name.
    BirthEntries may = Initial();
    may.year = "1990";
    may.month = "5";
    may.day = "20";
    EXPECT_EQ(BirthSummaryLines(Read(may))[5], "星座：金牛座 ");

    // A leap month is named as such.
    BirthEntries leap = Initial();
    leap.year = "2020";
    leap.month = "5";
    leap.day = "23";
    EXPECT_EQ(Read(leap).lunarText, "庚子(鼠年)闰四月初一");
}

TEST(BirthRecord, ChartGetsTheTrimmedMinuteAsANumber) {
    // 立春 2024 falls at 16:27 Beijing time: minute " 28" lands after it.
    BirthEntries e = Initial();
    e.year = "2024";
    e.month = "2";
    e.day = "4";
    e.hour = "申 16";
    e.minute = " 28";
    const auto after = BuildChartOf(Read(e));
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->yearPillar.Text(), "甲辰");
    e.minute = "26";
    EXPECT_EQ(BuildChartOf(Read(e))->yearPillar.Text(), "癸卯");

    e.minute = "x";
    const BirthRecord r = Read(e);  // the minute is not tested when read
    EXPECT_THROW(BuildChartOf(r), ConvertError);
}

TEST(BirthRecord, HourItemsOfTypedHours) {
    EXPECT_EQ(HourItemOf("10"), "巳 10");
    EXPECT_EQ(HourItemOf("0"), "子 0");
    EXPECT_EQ(HourItemOf("23"), "子 23");
    EXPECT_EQ(HourItemOf("丑 2"), "丑 2");
    EXPECT_EQ(HourItemOf("  "), "");
    EXPECT_FALSE(HourItemOf("24").has_value());
    EXPECT_FALSE(HourItemOf("子 1").has_value());
    EXPECT_EQ(GbkBytesOf("甲子(鼠年)", 6, 2), "鼠");
    EXPECT_EQ(GbkBytesOf("子 10", 4, 2), "10");
    EXPECT_EQ(GbkBytesOf("子 0", 4, 2), "0");
}
