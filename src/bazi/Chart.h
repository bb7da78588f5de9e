// The Four Pillars chart of one birth moment: the stem and branch of year,
// month, day and hour, the hidden stems of the four positions, the
// conception pillar, and the direction, start age and pillars of the great
// luck periods.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/DateValue.h"

namespace quillora {

// A stem-branch pair held as indexes (甲 = 0 … 癸 = 9, 子 = 0 … 亥 = 11).
struct Pillar {
    int stem = 0;
    int branch = 0;

    // Steps both indexes by k (negative k steps back), modulo 10 and 12.
    Pillar Stepped(int k) const;
    // The stem name followed by the branch name.
    std::string Text() const;
    std::string StemText() const;
    std::string BranchText() const;

    friend bool operator==(const Pillar&, const Pillar&) = default;
};

// The stems hidden in each branch, by branch index, in the order the report
// prints them (子 "癸", 丑 "癸辛己", 寅 "甲丙戊" …).
extern const char* const HiddenStemsTable[12];

// The twelve jie terms that open the months, in calendar order from
// February: 立春, 惊蛰, … 大雪, 小寒. Entry i opens the month whose branch is
// (i + 2) mod 12.
extern const char* const JieNames[12];

// True exactly for the twelve jie names.
bool IsJieName(std::string_view name);

struct FourPillarsChart {
    Pillar yearPillar;
    Pillar monthPillar;
    Pillar dayPillar;
    Pillar hourPillar;
    std::string hiddenYear;
    std::string hiddenMonth;
    std::string hiddenDay;
    std::string hiddenHour;
    Pillar conceptionPillar;
    bool bornBeforeJie = false;  // born on a jie's day before its instant
    bool backward = false;       // the great-luck pillars run backward
    int startAge = 1;            // 1 to 10
    Pillar luckPillars[10];      // entry 0 is the month pillar itself
};

// The message of a day beyond its month's length.
inline constexpr const char* kChartDateMessage = "请检查输入数据是否出错！";

// Builds the chart of a Gregorian birth moment (local clock). sex "男" is a
// man, any other text a woman. Returns no chart when the day exceeds the
// length of its month; the caller shows kChartDateMessage.
std::optional<FourPillarsChart> BuildChart(int year, int month, int day, int hour, int minute,
                                           std::string_view sex);

// True when a jie term of table JQ falls on the birth date after the birth
// instant. A database error or no jie that day gives false.
bool BornBeforeJie(int year, DateValue birthInstant);

// ---- The arithmetic behind the chart, usable without a database ----------

// The day pillar of a Gregorian date (changes at midnight).
Pillar DayPillarOf(int year, int month, int day);

// The hour pillar of a clock hour 0 to 23 on a day with the given day stem;
// 23 h stays on the same day and has the pillar of 0 h.
Pillar HourPillarOf(int dayStem, int hour);

// The year pillar of a year counted from 立春 to 立春 (1984 is 甲子).
Pillar YearPillarOf(int year);

// The month pillar of a month branch in a year with the given stem: a 甲 or
// 己 year starts with 丙寅.
Pillar MonthPillarOf(int yearStem, int monthBranch);

// The month branch of a month-day key (month × 100 + day) by the fixed
// calendar days that stand for the jie terms.
int FixedMonthBranch(int monthDay);

// One jie instant: which jie (index into JieNames) and when, in whole
// seconds since day 0 of the date values (local wall-clock time).
struct JieInstant {
    int jie = 0;
    long long seconds = 0;
};

// Seconds since day 0 of a date and a time of day, and the date value of
// such a count.
long long InstantSeconds(int year, int month, int day, int hour, int minute, int second);
DateValue InstantDate(long long seconds);

// The jie instants of table JQ for the Gregorian years first to last, in time
// order; empty when the table cannot be read.
std::vector<JieInstant> JieInstantsOf(int firstYear, int lastYear);

// Month branch and year of a birth instant from actual jie instants: the
// latest jie at or before the instant gives the month, the 立春 of the birth
// year decides the year. Returns false when the instants do not cover the
// birth (the caller then falls back on the fixed days).
bool MonthAndYearByJie(const std::vector<JieInstant>& jies, int birthYear, long long birthSeconds,
                       int& monthBranch, int& pillarYear);

// Days from the birth date to the nearest jie by the solar-term formula,
// searching forward or backward 1 to 32 days; 0 when none is found.
int DaysToJie(DateValue birthDate, bool backward);

// The start age of a jie j days away: one year for every three days, a
// started three counting as a whole, never more than 10.
int StartAgeOf(int days);

}  // namespace quillora
