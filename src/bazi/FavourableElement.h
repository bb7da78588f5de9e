// The favourable element (喜用神) of a Four Pillars chart.
//
// Method. The strength of the day master (the day stem) is weighed from the
// other seven characters:
//   - each of the year, month and hour stems counts 10 points for its
//     element;
//   - each branch counts through the stems hidden in it, split by their
//     weight in the branch: 本气 6, 中气 3, 余气 1 tenths for a branch with
//     three, 7 and 3 tenths for one with two, the whole for one with one;
//   - the branches weigh 10 points (year and hour), 15 (day, the day
//     master's own seat) and 30 (month, the season's command 月令), so the
//     month branch alone weighs as much as the three stems together.
// The day master's support is the score of its own element (比劫) plus that
// of the element that generates it (印). Support above 55% of the total
// makes it strong, below 45% weak, and in between balanced.
//   - Weak: it needs the generating element and its own. When wealth (the
//     element it controls) outweighs both output (the element it generates)
//     and officer (the element that controls it), its own element comes
//     first (比劫 guards against wealth); otherwise the generating element
//     comes first (印 transforms officer and restrains output).
//   - Strong: it needs to be controlled and drained. When the generating
//     element outweighs its own, wealth comes first (财 breaks 印), then
//     output; otherwise officer comes first (官杀 restrains 比劫), then
//     output.
//   - Balanced: the element with the lowest score (two when two share it)
//     keeps the chart in flow.
#pragma once

#include <string>
#include <vector>

#include "bazi/Chart.h"
#include "calendar/FiveElement.h"

namespace quillora {

FiveElement StemElement(int stem);
FiveElement GeneratedBy(FiveElement e);   // the element that e generates (金 → 水)
FiveElement ControlledBy(FiveElement e);  // the element that e controls (金 → 木)

enum class DayMasterStrength { Weak, Balanced, Strong };

struct FavourableElement {
    int scores[5] = {0, 0, 0, 0, 0};  // by FiveElement, in points × 10
    int support = 0;                  // own element + generating element
    int total = 0;
    DayMasterStrength strength = DayMasterStrength::Balanced;
    std::vector<FiveElement> elements;  // the favourable elements, most needed first
};

// The favourable elements of a chart by the method described at the top of
// this file: day-master strength from the weighted characters, then the
// elements that restore the balance, most needed first.
FavourableElement FavourableElementOf(const FourPillarsChart& chart);

// "喜用神：" + the elements joined by "、" + the reason in full-width
// parentheses, e.g. 喜用神：水、木（日主偏弱，宜生扶）.
std::string FavourableElementLine(const FavourableElement& f);

}  // namespace quillora
