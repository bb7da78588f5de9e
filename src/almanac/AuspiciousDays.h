// Choosing an auspicious day (择吉日): the days of a date range whose almanac
// entry favours an activity (宜) and does not forbid it (忌, or 诸事不宜),
// each with the day's clash and a mark when it clashes with the legal
// person's year branch. The entries come whole from table huangdao; the
// statement picks the days with the activity bound as a parameter.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/DateValue.h"

namespace quillora {

class QueryObject;

// An activity a business asks about, with what it means.
struct AuspiciousActivity {
    const char* term;         // the almanac's own term: "开市"
    const char* explanation;  // "开业、开张，新店开门营业"
};

// The activities offered, business first (开市, 交易, 立券, 订盟, 纳财 …).
const std::vector<AuspiciousActivity>& AuspiciousActivities();

// The longest range asked at once: a year.
inline constexpr int kAuspiciousMaxDays = 366;

// The range and activity as typed.
struct AuspiciousInput {
    std::string activity;
    std::string from;  // yyyy-MM-dd
    std::string to;
};

enum class AuspiciousBox { Activity, From, To };

inline constexpr const char* kAuspiciousNoActivity = "请选择要办的事项!";
inline constexpr const char* kAuspiciousUnknownActivity = "黄历中没有这个事项，请从列表中选择!";
inline constexpr const char* kAuspiciousBadFrom = "请输入有效的开始日期!";
inline constexpr const char* kAuspiciousBadTo = "请输入有效的结束日期!";
inline constexpr const char* kAuspiciousOrder = "结束日期不能早于开始日期!";
inline constexpr const char* kAuspiciousTooLong = "日期范围不能超过一年!";
inline constexpr const char* kAuspiciousOutOfTable = "黄历只收录1901年至2100年的日子!";

struct AuspiciousCheck {
    bool ok = false;
    std::string message;  // when !ok
    AuspiciousBox box = AuspiciousBox::Activity;
    std::string activity;  // trimmed, when ok
    DateValue from = 0;
    DateValue to = 0;
};

// The checks in order: an activity of the list, two real dates in the
// program's short format, the end not before the start, at most a year
// (kAuspiciousMaxDays days counting both ends), within the table's years.
AuspiciousCheck CheckAuspiciousInput(const AuspiciousInput& input);

struct AuspiciousDay {
    std::string date;      // yyyy-MM-dd
    std::string overview;  // "农历甲辰年正月廿一 星期五 龙年 值神青龙 黄道日"
    std::string pillars;   // "甲辰年 丙寅月 甲子日"
    std::string officer;   // the day's officer of the twelve: "开日"
    std::string clash;     // "冲马(戊午)煞南"
    bool clashesPerson = false;
};

// True when a day's branch clashes with (stands opposite) the given branch.
bool DayClashesBranch(DateValue date, int branch);

// The days from `from` to `to` (both included) that favour the activity and
// do not forbid it, in date order; `personBranch` (0 子 … 11 亥) marks the
// days that clash with the legal person's year. Database errors throw.
std::vector<AuspiciousDay> FindAuspiciousDays(QueryObject& almanac, const std::string& activity,
                                              DateValue from, DateValue to,
                                              std::optional<int> personBranch);

// The column headers of the result and one day's cells, in that order.
const std::vector<std::string>& AuspiciousHeaders();
std::vector<std::string> AuspiciousCells(const AuspiciousDay& day, std::optional<int> personBranch);

// The line under the result: how many days were found and how many of them
// clash with the person ("2024-03-01至2024-03-31宜开市的日子共8天，其中1天冲法人生肖（马）").
std::string AuspiciousSummary(const AuspiciousCheck& check, const std::vector<AuspiciousDay>& days,
                              std::optional<int> personBranch);

}  // namespace quillora
