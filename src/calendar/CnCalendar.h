// Calendar details for the date picker: the lunar day of every Gregorian day
// of 1901 to 2050, the traditional month names (正月, 冬月, 腊月, 闰四), solar
// terms from a day table, festivals, the zodiac animal and the star sign.
//
// A calendar engine of its own, separate from the lunar conversion of
// LunarCalendar.h (it shares only TermNames). Pure computation over constant
// tables; texts are UTF-8.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/DateValue.h"

namespace quillora {

inline constexpr int kCnFirstYear = 1901;
inline constexpr int kCnLastYear = 2050;

// One record per Gregorian year 1901 to 2050 (CnYearTable.cpp), byte 0 the
// most significant: month of 1 January (bit 7: 12, else 11) and its lunar
// day (bits 6-0); sixteen month lengths from that month on (bytes 1-2, bit 15
// first, set = 30 days); the month followed by a leap month (byte 3, 0 none).
extern const std::uint32_t CnYearTable[kCnLastYear - kCnFirstYear + 1];

// Term days, twelve bytes per year from 1901 January (CnTermTable.cpp): the
// high four bits h put the month's first term on day 15 - h, the low four
// bits l its second term on day 15 + l. Generated from the astronomical
// engine (Beijing time) by refdata/generators/MakeCnTermTable.cpp.
extern const std::uint8_t CnTermTable[(kCnLastYear - kCnFirstYear + 1) * 12];

// Month names 1 to 12 and day names 1 to 30 at their own index.
inline constexpr std::array<std::string_view, 13> CnMonthNames = {
    "", "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};
inline constexpr std::array<std::string_view, 31> CnDayNames = {
    "",     "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十", "廿一",
    "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

// Branch and animal of each year, 1972 being 子鼠.
inline constexpr std::array<std::string_view, 12> CnZodiacNames = {
    "子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇", "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};

// Day number within the Gregorian year, 1 for 1 January.
int DayOfYear(DateValue date);

// month * 100 + day of the lunar date, negated in a leap month; 0 outside
// 1901 to 2050. 430 is the 30th of the fourth month, -401 the first day of
// the leap fourth month.
int CnLunarCode(DateValue date);

std::string CnMonthText(DateValue date);  // 正月 ... 腊月, 闰四; "" without a code
std::string CnDayText(DateValue date);    // 初一 ... 三十; "" without a code
std::string CnFestival(DateValue date);   // 春节, 元宵节, ..., 除夕, or ""

// The Gregorian festival of day `day` in the year and month of `date`, or "".
std::string SolarFestival(int day, DateValue date);

// The number 1 to 24 of the term on that day (1 = 小寒), or 0.
int CnTermIndex(int year, int month, int day);
std::string CnTermText(DateValue date);

// Zodiac name of the date's year, changing at the lunar new year.
std::string CnZodiac(DateValue date);

// Western star sign of a date, and of day `day` in the month of `date`.
std::string StarSign(DateValue date);
std::string StarSignOfDay(int day, DateValue date);

// What the picker writes under one day: the lunar label and the rule that
// chose it (later kinds win over earlier ones).
enum class DayLabelKind { Day, Month, SolarFestival, Term, LunarFestival };

struct PickerDayLabel {
    int day = 0;  // 1 to 31
    std::string text;
    DayLabelKind kind = DayLabelKind::Day;
};

// "day", "month", "solarfest", "term", "lunarfest".
std::string_view DayLabelKindName(DayLabelKind kind);

// The lunar labels of every day of a Gregorian month, in day order.
std::vector<PickerDayLabel> PickerMonthLabels(int year, int month);

}  // namespace quillora
