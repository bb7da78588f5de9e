// The Four Pillars report: identity and dates, the pillars with their ten
// gods, hidden stems, elements and sound elements, the great-luck periods,
// the yearly and small-luck pillars, the element counts, the favourable
// element and the bone-weight reading, one text per memo line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bazi/BirthRecord.h"
#include "bazi/Chart.h"

namespace quillora {

inline constexpr const char* kBaziSeparatorLine =
    "<-----------------------批八字内容分隔线----------------------------->";
inline constexpr const char* kBaziClosingLine =
    "<-----------------------以上内容只作参考----------------------------->";
inline constexpr const char* kBoneWeightHeading = "Velmar称骨算命：";

// The report of a birth record. Builds the chart (ConvertError when the hour
// or minute text is not an integer) and runs the lookups line by line (a
// failing bone-weight statement throws DbError). No report when the chart's
// date check fails; the caller then shows kChartDateMessage.
std::optional<std::vector<std::string>> BaziReportLines(const BirthRecord& record);

// The report lines for a record whose chart is already built.
std::vector<std::string> BaziReportLines(const BirthRecord& record, const FourPillarsChart& chart);

// The ages line of the great-luck periods for a start age N: the years the
// month pillar rules, then N, N + 10, … N + 80. Ages count from 1 in the
// Gregorian year of birth and grow by one with every new year, the scale of
// every age the report prints.
std::string LuckAgesLine(int startAge);

// "起运：N岁（出生后y年m个月d天起运）": the start age and the exact span.
std::string LuckStartLine(const FourPillarsChart& chart);

// "0" + a + "岁" for a below 10, else a + "岁".
std::string AgeText(int age);

// The stem-branch pair of a lunar year (甲子 for 1984).
std::string YearPairOf(int year);

}  // namespace quillora
