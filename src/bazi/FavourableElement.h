// The favourable element (喜用神) of a Four Pillars chart.
//
// Method. The day master (the day stem) is weighed against the whole chart.
//   - Each of the four stems counts 10 points for its element, the day stem
//     itself included.
//   - Each branch counts through the stems hidden in it: year and hour 10
//     points, the day branch (the day master's seat) 15, split 本气 6, 中气 3,
//     余气 1 tenths (7 and 3 with two stems, the whole with one). The month
//     branch holds the season's command (月令): 30 points, of which the main
//     qi takes 8 tenths (中气 1.5, 余气 0.5; 2 with two stems). A branch
//     that hides the day master's element or the generating one is a root.
//   - Every element then counts by its state in the season of the month:
//     ×1.2 for the season's own element (旺: wood in 寅 卯, fire in 巳 午,
//     metal in 申 酉, water in 亥 子, earth in 辰 未 戌 丑), ×1.1 for the one it
//     generates (相), ×1.0 for the one that generates it (休), ×0.9 for the
//     one that controls it (囚), ×0.8 for the one it controls (死).
// The day master's support is the score of its own element (比劫) plus that
// of the element that generates it (印). Over random births 1901-2099 the
// median support is 42 % of the total; the balanced band is centred on it:
// below 37 % the day master is weak, above 47 % strong (about 41 % weak,
// 16 % balanced and 43 % strong charts).
//
// Rules, tried in this order; the first that applies decides, and the
// reason in the report says which:
//   1. Follow (从格): no stem but the day stem itself and no hidden stem
//      supports it. The chart follows its strongest force: wealth (从财:
//      wealth, then output), officer (从杀: officer, then wealth) or output
//      (从儿: output, then wealth).
//   2. Dominant (专旺): support of 80 % or more and no officer anywhere: the
//      chart follows its own element, then the generating one (曲直 wood,
//      炎上 fire, 稼穑 earth, 从革 metal, 润下 water; 从强 when the generating
//      element outweighs its own).
//   3. Seasonal (调候): born in summer (巳 午 未) with fire the strongest
//      element, the chart needs water first; born in winter (亥 子 丑) with
//      water the strongest, fire first. The first element of the strength
//      rule follows; a balanced chart takes the source of the needed
//      element (metal for water, wood for fire).
//   4. Strength (扶抑):
//      - Weak: it needs the generating element and its own. When wealth
//        outweighs both output and officer, its own element comes first (比劫
//        guards against wealth); otherwise the generating element (印
//        transforms officer and restrains output).
//      - Strong: it needs to be controlled and drained. When the generating
//        element outweighs its own, wealth comes first (财 breaks 印), then
//        output; otherwise officer (官杀 restrains 比劫), then output.
//      - Balanced: the element with the lowest score (two when two share it)
//        keeps the chart in flow.
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

// The rule that decided the favourable elements.
enum class FavourableRule { Strength, Seasonal, Follow, Dominant };

struct FavourableElement {
    int scores[5] = {0, 0, 0, 0, 0};  // by FiveElement, in points × 100, season applied
    int support = 0;                  // own element + generating element
    int total = 0;
    DayMasterStrength strength = DayMasterStrength::Balanced;
    FavourableRule rule = FavourableRule::Strength;
    std::vector<FiveElement> elements;  // the favourable elements, most needed first
    std::string reason;                 // why, in the report's words
};

// The favourable elements of a chart by the method described at the top of
// this file, most needed first.
FavourableElement FavourableElementOf(const FourPillarsChart& chart);

// "喜用神：" + the elements joined by "、" + the reason in full-width
// parentheses, e.g. 喜用神：水、木（日主偏弱，宜印星生扶）.
std::string FavourableElementLine(const FavourableElement& f);

}  // namespace quillora
