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

// The stems hidden in each branch, by branch index: the main qi (本气) first,
// then the middle (中气) and the residual qi (余气), as the report prints
// them (子 "癸", 丑 "己癸辛", 寅 "甲丙戊" …).
extern const char* const HiddenStemsTable[12];

// The twelve jie terms that open the months, in calendar order from
// February: 立春, 惊蛰, … 大雪, 小寒. Entry i opens the month whose branch is
// (i + 2) mod 12.
extern const char* const JieNames[12];

// True exactly for the twelve jie names.
bool IsJieName(std::string_view name);

// When the first great-luck period begins. The span from the birth instant
// to the jie that bounds the birth's month in the run's direction (the next
// jie forward, the last one backward; a jie later on the birth day counts)
// is reckoned three days to a year, one day to four months and one double
// hour to ten days, i.e. every real minute stands for 120 minutes of life.
struct LuckStart {
    int years = 0;
    int months = 0;      // 0 to 11
    int days = 0;        // 0 to 29
    DateValue date = 0;  // birth date + years, months and days: the first period begins
    int year = 0;        // the Gregorian year of that date (始于 of the first period)
};

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
    bool backward = false;  // the great-luck pillars run backward
    int birthYear = 0;      // the Gregorian year of birth
    LuckStart luckStart;
    // The age in the year the first period begins, counted as the report
    // counts every age: 1 in the Gregorian year of birth, one more with each
    // new year (luckStart.year - birthYear + 1).
    int startAge = 1;
    Pillar luckPillars[10];  // entry 0 is the month pillar itself
};

// The message of a day beyond its month's length.
inline constexpr const char* kChartDateMessage = "请检查输入数据是否出错！";

// Builds the chart of a Gregorian birth moment (local clock). sex "男" is a
// man, any other text a woman. Returns no chart when the day exceeds the
// length of its month; the caller shows kChartDateMessage.
std::optional<FourPillarsChart> BuildChart(int year, int month, int day, int hour, int minute,
                                           std::string_view sex);

// ---- The arithmetic behind the chart, usable without a database ----------

// The day pillar of a Gregorian date (changes at midnight).
Pillar DayPillarOf(int year, int month, int day);

// The hour pillar of a clock hour 0 to 23 on a day with the given day stem.
// The 子 hour that starts at 23 h takes its stem from the next day (a 癸 day
// ends with 甲子, not 壬子), while the day pillar stays on the date of birth.
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

// The jie instants of the solar-term formula for the Gregorian years first to
// last, in time order: they stand in where table JQ has no instant.
std::vector<JieInstant> FormulaJieInstantsOf(int firstYear, int lastYear);

// The instant of the jie that bounds the birth's month: the first one after
// the birth when forward, the last one at or before it when backward. False
// when the instants hold none within 40 days.
bool BoundingJie(const std::vector<JieInstant>& jies, long long birthSeconds, bool backward,
                 long long& jieSeconds);

// The luck start of a birth (date and seconds of the birth instant) and the
// seconds between it and its bounding jie.
LuckStart LuckStartOf(DateValue birthDate, long long spanSeconds);

}  // namespace quillora
