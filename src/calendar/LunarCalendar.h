// Conversion between Gregorian dates and dates of the Chinese lunar calendar
// for 1900 to 2100, solar-term instants by a closed formula, and the Chinese
// names of lunar years, months and days.
//
// Pure computation over constant tables; texts are UTF-8. This module also
// fixes, for the whole program, the orders and written forms of the stems,
// branches, animals and solar terms (the elements: calendar/FiveElement.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/DateValue.h"

namespace quillora {

// Ten heavenly stems, twelve earthly branches and the twelve animals, each
// indexed from 0 (甲, 子, 鼠).
inline constexpr std::array<std::string_view, 10> StemNames = {"甲", "乙", "丙", "丁", "戊",
                                                               "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> BranchNames = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<std::string_view, 12> AnimalNames = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};

// The 24 solar terms in the order of the Gregorian year: terms 2m-2 and 2m-1
// fall in month m; the even ones are the twelve jie terms that open the
// months of the Four Pillars.
inline constexpr std::array<std::string_view, 24> TermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// Numerals 1 to 10 at their own index; entry 0 is never used for names.
inline constexpr std::array<std::string_view, 11> NumeralNames = {
    "日", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

// Minutes after the start of the tropical year at which each term begins,
// indexed like TermNames.
inline constexpr std::array<std::int32_t, 24> TermOffsets = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

// One word per lunar year 1900 to 2100 (LunarYearTable.cpp), the year that
// begins on the Chinese New Year of that Gregorian year. Bits 15 down to 4
// are months 1 to 12 (set: 30 days, clear: 29); bits 3 to 0 name the month
// followed by a leap month (0: none; 15: none, and the previous year's leap
// month has 30 days).
inline constexpr int kLunarFirstYear = 1900;
inline constexpr int kLunarLastYear = 2100;
extern const std::uint16_t LunarYearTable[kLunarLastYear - kLunarFirstYear + 1];

// A lunar date. All four fields zero means "no lunar date".
struct LunarDate {
    std::int32_t year = 0;   // named by the Gregorian year of its New Year
    std::int32_t month = 0;  // 1 to 12
    std::int32_t day = 0;    // 1 to 30
    bool isLeap = false;     // the leap month that follows month `month`

    bool IsNone() const { return year == 0 && month == 0 && day == 0 && !isLeap; }
    bool operator==(const LunarDate&) const = default;
};

// Month lengths and leap months, read from LunarYearTable. A year outside
// 1900 to 2100 reads as a word of 0 (twelve months of 29 days, no leap).
int LunarMonthDays(int year, int month);  // 30 or 29; months below 2 read month 1
int LeapMonthOf(int year);                // 1 to 12, or 0 for none
int LeapMonthDays(int year);              // 29 or 30, or 0 without a leap month
int LunarYearDays(int year);

// The lunar date of a Gregorian date (its time of day is ignored); the
// all-zero record before 1900-01-31 and after 2100-12-31.
LunarDate SolarToLunar(DateValue date);

// True for a lunar date that exists in the years 1901 to 2099. Month and day
// have no lower bound here (callers offer 1 and up).
bool IsValidLunarDate(const LunarDate& date);

// The Gregorian date of a lunar date, or 0001-01-01 for an invalid one.
DateValue LunarToSolar(const LunarDate& date);

// The instant of term n (0 to 23) of a year by the closed formula: 1900-01-06
// 02:05:00 plus (year - 1900) tropical years of 31556925974.7 ms plus
// TermOffsets[n] minutes, in whole milliseconds. Local wall-clock time.
DateValue SolarTermInstant(int year, int n);

// The name of the term whose formula instant falls on `date`, or "". `date`
// must be a date without time of day: any other value gives "".
std::string SolarTermOnDate(DateValue date);

// Stem-branch name of a year with its animal: n is the year minus 1864, e.g.
// YearCycleName(120) = "甲子(鼠年)" (1984). Requires n >= 0: a negative n
// (such as the year of the all-zero LunarDate) throws std::invalid_argument.
std::string YearCycleName(int n);

// YearCycleName of a lunar date's year, or nothing for the all-zero record.
std::optional<std::string> YearCycleNameOf(const LunarDate& date);

// "一月" ... "十二月", "闰四月"; a month outside 1 to 12 gives "月" (or "闰月").
std::string LunarMonthName(int month, bool isLeap);

// "初一" ... "初十", "十一" ... "十九", "二十", "廿一" ... "廿九", "三十"; else "".
std::string LunarDayName(int day);

// The full lunar text of a date, e.g. "庚申(猴年)一月初一": year cycle name,
// month name and day name; "" for the all-zero record.
std::string LunarDateText(const LunarDate& date);

}  // namespace quillora
