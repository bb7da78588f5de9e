// The lines about a chart that the Four Pillars report and the name analysis
// both print (十神, 八字, 五行, 纳音, 八字五行个数), the chart's element text
// they and the generation read, and the elements the chart lacks.
//
// Each line runs its own lookups when it is asked for, so a caller that
// writes the lines one by one keeps those written before a failing lookup.
#pragma once

#include <string>
#include <string_view>

#include "bazi/Chart.h"

namespace quillora {

// "十神：" + the ten gods of the year, month and hour stems against the day
// stem, with "日元" in the day's place; three blanks between them.
std::string TenGodsLine(const FourPillarsChart& chart);

// "八字：" + the four pillars, three blanks between them.
std::string PillarsLine(const FourPillarsChart& chart);

// The elements of the eight pillar characters: year stem and branch, three
// blanks, month, three blanks, day, three blanks, hour. A character without
// an element adds "".
std::string ChartElementsText(const FourPillarsChart& chart);

// "五行：" + the chart's element text.
std::string ElementsLine(std::string_view chartElements);

// "纳音：" + the sound elements of the four pillars, one blank between them.
std::string SoundElementsLine(const FourPillarsChart& chart);

// "八字五行个数：" + the element counts of the chart's element text.
std::string ElementCountLine(std::string_view chartElements);

// Every element of 金木水火土, in this order, that does not occur anywhere in
// the chart's element text, joined without separators ("水火").
std::string MissingElements(std::string_view chartElements);

}  // namespace quillora
