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

TEST(BirthRecord, LunarEntriesConvertToTheOrdinaryOrTheLeapMonth) {
    struct Case {
        const char* year;
        const char* month;
        const char* day;
        bool leap;
        const char* gregorian;  // the published Gregorian date of that lunar day
        const char* lunarText;
    };
    const Case cases[] = {
        // Chinese New Year 1980 fell on 16 February.
        {"1980", "1", "1", false, "1980-02-16", "庚申(猴年)一月初一"},
        // 2020 has a leap fourth month (from 23 May); month 4 is the first.
        {"2020", "4", "1", false, "2020-04-23", "庚子(鼠年)四月初一"},
        {"2020", "4", "1", true, "2020-05-23", "庚子(鼠年)闰四月初一"},
        // 2023 has a leap second month (from 22 March).
        {"2023", "2", "1", false, "2023-02-20", "癸卯(兔年)二月初一"},
        {"2023", "2", "15", true, "2023-04-05", "癸卯(兔年)闰二月十五"},
        // Blanks around the numbers are ignored.
        {" 2023 ", " 2", "1 ", false, "2023-02-20", "癸卯(兔年)二月初一"},
    };
    for (const Case& c : cases) {
        BirthEntries e = Initial();
        e.calendarIndex = 1;
        e.year = c.year;
        e.month = c.month;
        e.day = c.day;
        e.leapMonth = c.leap;
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

// Every entry that cannot be read is refused with a message naming it.
TEST(BirthRecord, UnreadableEntriesAreRefusedByName) {
    struct Case {
        int calendar;
        const char* year;
        const char* month;
        const char* day;
        bool leap;
        const char* message;
    };
    const char* const range = "出生日期超出范围(1900年1月31日至2100年12月31日)!";
    const char* const lunarRange = "农历日期只支持1901年至2099年，请重新选择!";
    const Case cases[] = {
        {0, "1900", "1", "30", false, range},
        {0, "1900", "1", "1", false, range},
        {0, "2101", "1", "1", false, range},
        {0, "0980", "6", "1", false, range},
        {0, "2001", "2", "29", false, "出生日期无效：2001年2月29日不存在，请重新选择!"},
        {0, "1980", "2", "30", false, "出生日期无效：1980年2月30日不存在，请重新选择!"},
        {0, "1980", "13", "1", false, "出生日期无效：1980年13月1日不存在，请重新选择!"},
        {0, "abc", "1", "1", false, "出生年无效：“abc”不是数字，请重新输入!"},
        {0, "1980", "1", "1", true, "闰月只用于农历日期，请重新选择!"},
        {1, "2100", "1", "1", false, lunarRange},
        {1, "1900", "5", "1", false, lunarRange},
        {1, "2020", "1", "30", false, "农历日期无效：农历2020年一月只有29天，请重新选择!"},
        {1, "2020", "13", "1", false, "农历日期无效：农历没有13月，请重新选择!"},
        {1, "2020", "0", "1", false, "农历日期无效：农历没有0月，请重新选择!"},
        {1, "2020", "4", "0", false, "农历日期无效：农历没有0日，请重新选择!"},
        {1, "2020", "-2", "5", false, "农历日期无效：农历没有-2月，请重新选择!"},
        {1, "2020", "正", "1", false, "出生月无效：“正”不是数字，请重新输入!"},
        {1, "2020", "1", "x1", false, "出生日无效：“x1”不是数字，请重新输入!"},
        {1, "2020", "2", "1", true,
         "农历日期无效：农历2020年没有闰二月（该年闰四月），请重新选择!"},
        {1, "2021", "4", "1", true, "农历日期无效：农历2021年没有闰四月，请重新选择!"},
        {1, "2023", "2", "30", true, "农历日期无效：农历2023年闰二月只有29天，请重新选择!"},
    };
    for (const Case& c : cases) {
        BirthEntries e = Initial();
        e.calendarIndex = c.calendar;
        e.year = c.year;
        e.month = c.month;
        e.day = c.day;
        e.leapMonth = c.leap;
        EXPECT_EQ(IssueOf(e), c.message) << c.year << "-" << c.month << "-" << c.day;
    }

    // Hour and minute: an hour item or a clock hour, a minute 0 to 59.
    const struct {
        const char* hour;
        const char* minute;
        const char* message;
    } times[] = {
        {"巳", "0", "出生小时无效：“巳”不是时辰，请从列表中选择!"},
        {"子 1", "0", "出生小时无效：“子 1”不是时辰，请从列表中选择!"},
        {"子 0", "", "请选择出生分钟!"},
        {"子 0", "x", "出生分钟无效：“x”不是数字，请重新输入!"},
        {"子 0", "75", "出生分钟无效：75不在0至59之间，请重新输入!"},
        {"子 0", "-1", "出生分钟无效：-1不在0至59之间，请重新输入!"},
    };
    for (const auto& t : times) {
        BirthEntries e = Initial();
        e.hour = t.hour;
        e.minute = t.minute;
        EXPECT_EQ(IssueOf(e), t.message) << t.hour << " " << t.minute;
    }
    BirthEntries e = Initial();
    e.minute = "75";
    EXPECT_EQ(ReadBirthRecord(e).issue.focus, BirthField::Minute);
    e.hour = "10";  // a clock hour typed into the list
    e.minute = "59";
    EXPECT_EQ(Read(e).hourText, "10");

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

    // A birth after today gets no age; one today does.
    BirthReadOptions options;
    options.currentYear = 2024;
    options.today = EncodeDate(2024, 6, 1);
    BirthEntries later = Initial();
    later.year = "2024";
    later.month = "6";
    later.day = "2";
    EXPECT_EQ(BirthSummaryLines(*ReadBirthRecord(later, options).record)[1], "年龄：尚未出生");
    later.day = "1";
    EXPECT_EQ(BirthSummaryLines(*ReadBirthRecord(later, options).record)[1], "年龄：0岁");

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
