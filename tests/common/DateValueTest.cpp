#include <gtest/gtest.h>

#include "common/DateValue.h"

using namespace quillora;

TEST(DateValue, AnchorsOfTheDayCount) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 31), 32.0);
    EXPECT_EQ(EncodeDate(2100, 12, 31), 73415.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 9)), 4);  // a Wednesday
    EXPECT_EQ(DayOfWeek(EncodeDate(1900, 1, 1)), 2);   // a Monday
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0), 0.5);
}

TEST(DateValue, EveryDayFrom1900To2100RoundTrips) {
    double expected = EncodeDate(1900, 1, 1);
    for (int y = 1900; y <= 2100; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= DaysInMonth(y, m); ++d) {
                const DateValue v = EncodeDate(y, m, d);
                ASSERT_EQ(v, expected) << y << "-" << m << "-" << d;
                const DateParts p = DecodeDate(v + 0.75);
                ASSERT_EQ(p.year, y);
                ASSERT_EQ(p.month, m);
                ASSERT_EQ(p.day, d);
                expected += 1;
            }
        }
    }
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
}

TEST(DateValue, TimeOfDayRoundTrips) {
    const DateValue v = EncodeDateTime(1986, 5, 29, 13, 37, 59);
    const TimeParts t = DecodeTime(v);
    EXPECT_EQ(t.hour, 13);
    EXPECT_EQ(t.minute, 37);
    EXPECT_EQ(t.second, 59);
    EXPECT_EQ(FormatTime(v), "13:37:59");
    EXPECT_EQ(FormatTime(EncodeDateTime(2000, 1, 1, 7, 5, 0)), "7:05:00");
    EXPECT_EQ(FormatDateTime(v), "1986-05-29 13:37:59");
}

TEST(DateValue, ReadingDatesInTheProgramsFormat) {
    EXPECT_EQ(ParseDate("1980-1-1"), EncodeDate(1980, 1, 1));
    EXPECT_EQ(ParseDate("1980-01-01"), EncodeDate(1980, 1, 1));
    EXPECT_EQ(ParseDate(" 2012-02-29 "), EncodeDate(2012, 2, 29));
    EXPECT_EQ(FormatDate(EncodeDate(2010, 5, 7)), "2010-05-07");
    for (const char* bad : {"2009-02-30", "2100-02-29", "1980/1/1", "", "1980-13-01", "abc",
                            "1980-1-1x", "-1-1-1", "1980--1"}) {
        try {
            ParseDate(bad);
            ADD_FAILURE() << bad;
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid date");
        }
    }
}

TEST(DateValue, ReadingIntegers) {
    EXPECT_EQ(ParseInt("2024"), 2024);
    EXPECT_EQ(ParseInt(" 7"), 7);
    EXPECT_EQ(ParseInt("-3"), -3);
    EXPECT_EQ(ParseInt("2147483647"), 2147483647);
    for (const char* bad : {"", " ", "12a", "1 2", "2147483648", "五", "7 "}) {
        try {
            ParseInt(bad);
            ADD_FAILURE() << bad;
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + bad + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(IntToStr(5, 2), "05");
}
