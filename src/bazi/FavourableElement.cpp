#include "bazi/FavourableElement.h"

namespace quillora {

namespace {

// Hidden stems of each branch, 本气 first, with their share of the branch: in
// tenths for an ordinary branch, in twentieths for the month branch, which
// gives the season's main qi the larger share (16 + 3 + 1, or 16 + 4).
struct Hidden {
    int stem;
    int tenths;
    int monthTenths;
};
struct BranchStems {
    Hidden stems[3];
    int count;
};

// 甲0 乙1 丙2 丁3 戊4 己5 庚6 辛7 壬8 癸9
const BranchStems kBranchStems[12] = {
    {{{9, 10, 20}}, 1},                       // 子: 癸
    {{{5, 6, 16}, {9, 3, 3}, {7, 1, 1}}, 3},  // 丑: 己 癸 辛
    {{{0, 6, 16}, {2, 3, 3}, {4, 1, 1}}, 3},  // 寅: 甲 丙 戊
    {{{1, 10, 20}}, 1},                       // 卯: 乙
    {{{4, 6, 16}, {1, 3, 3}, {9, 1, 1}}, 3},  // 辰: 戊 乙 癸
    {{{2, 6, 16}, {6, 3, 3}, {4, 1, 1}}, 3},  // 巳: 丙 庚 戊
    {{{3, 7, 16}, {5, 3, 4}}, 2},             // 午: 丁 己
    {{{5, 6, 16}, {3, 3, 3}, {1, 1, 1}}, 3},  // 未: 己 丁 乙
    {{{6, 6, 16}, {8, 3, 3}, {4, 1, 1}}, 3},  // 申: 庚 壬 戊
    {{{7, 10, 20}}, 1},                       // 酉: 辛
    {{{4, 6, 16}, {7, 3, 3}, {3, 1, 1}}, 3},  // 戌: 戊 辛 丁
    {{{8, 7, 16}, {0, 3, 4}}, 2},             // 亥: 壬 甲
};

// Points in tenths: a stem 10 points; a branch's weight times its shares
// gives year and hour 10 points, the day 15 and the month 30.
constexpr int kStemPoints = 100;
constexpr int kYearBranch = 10;
constexpr int kMonthBranch = 15;  // × 20 twentieths
constexpr int kDayBranch = 15;
constexpr int kHourBranch = 10;

// The strength band, in per cent of the total: support below kWeakBelow is
// weak, above kStrongAbove strong.
constexpr int kWeakBelow = 37;
constexpr int kStrongAbove = 47;
// The season's factor of each element, in tenths: the element of the month
// (旺), the one it generates (相), the one that generates it (休), the one
// that controls it (囚) and the one it controls (死).
constexpr int kProspering = 12;
constexpr int kHelped = 11;
constexpr int kResting = 10;
constexpr int kConfined = 9;
constexpr int kDead = 8;

// A dominant chart: support of at least this share and no officer.
constexpr int kDominantFrom = 80;

void AddBranch(int scores[5], int branch, int weight, bool month) {
    const BranchStems& b = kBranchStems[branch];
    for (int i = 0; i < b.count; ++i) {
        const int share = month ? b.stems[i].monthTenths : b.stems[i].tenths;
        scores[StemElement(b.stems[i].stem)] += weight * share;
    }
}

// True when element e scores at least as much as every other.
bool Strongest(const int scores[5], FiveElement e) {
    for (int i = 0; i < 5; ++i) {
        if (scores[i] > scores[e])
            return false;
    }
    return true;
}

// True when the branch hides a stem of element e.
bool BranchHolds(int branch, FiveElement e) {
    const BranchStems& b = kBranchStems[branch];
    for (int i = 0; i < b.count; ++i) {
        if (StemElement(b.stems[i].stem) == e)
            return true;
    }
    return false;
}

FiveElement Generating(FiveElement e) {
    // The element that generates e: the one whose generated element is e.
    for (int i = 0; i < 5; ++i) {
        if (GeneratedBy(static_cast<FiveElement>(i)) == e)
            return static_cast<FiveElement>(i);
    }
    return e;
}

FiveElement Controlling(FiveElement e) {
    for (int i = 0; i < 5; ++i) {
        if (ControlledBy(static_cast<FiveElement>(i)) == e)
            return static_cast<FiveElement>(i);
    }
    return e;
}

}  // namespace

FiveElement StemElement(int stem) {
    static const FiveElement kByStem[10] = {
        kElementWood,  kElementWood,  kElementFire,  kElementFire,  kElementEarth,
        kElementEarth, kElementMetal, kElementMetal, kElementWater, kElementWater};
    return kByStem[((stem % 10) + 10) % 10];
}

FiveElement GeneratedBy(FiveElement e) {
    switch (e) {
        case kElementMetal:
            return kElementWater;
        case kElementWood:
            return kElementFire;
        case kElementWater:
            return kElementWood;
        case kElementFire:
            return kElementEarth;
        case kElementEarth:
            break;
    }
    return kElementMetal;
}

FiveElement ControlledBy(FiveElement e) {
    switch (e) {
        case kElementMetal:
            return kElementWood;
        case kElementWood:
            return kElementEarth;
        case kElementWater:
            return kElementFire;
        case kElementFire:
            return kElementMetal;
        case kElementEarth:
            break;
    }
    return kElementWater;
}

namespace {

// The elements of the strength rule and their reason.
void ByStrength(FavourableElement& f, FiveElement self) {
    const FiveElement resource = Generating(self);
    const FiveElement output = GeneratedBy(self);
    const FiveElement wealth = ControlledBy(self);
    const FiveElement officer = Controlling(self);
    const int* s = f.scores;
    switch (f.strength) {
        case DayMasterStrength::Weak:
            if (s[wealth] > s[output] && s[wealth] > s[officer]) {
                f.elements = {self, resource};
                f.reason = "日主偏弱，财多宜比劫帮身";
            } else {
                f.elements = {resource, self};
                f.reason = "日主偏弱，宜印星生扶";
            }
            break;
        case DayMasterStrength::Strong:
            if (s[resource] > s[self]) {
                f.elements = {wealth, output};
                f.reason = "日主偏旺，印多宜财星破印";
            } else {
                f.elements = {officer, output};
                f.reason = "日主偏旺，宜官杀克制、食伤泄秀";
            }
            break;
        case DayMasterStrength::Balanced: {
            int lowest = s[0];
            for (int i = 0; i < 5; ++i)
                lowest = s[i] < lowest ? s[i] : lowest;
            for (int i = 0; i < 5 && f.elements.size() < 2; ++i) {
                if (s[i] == lowest)
                    f.elements.push_back(static_cast<FiveElement>(i));
            }
            f.reason = "日主中和，宜补不足";
            break;
        }
    }
}

// The element that rules the season of a month branch: wood in 寅 卯, fire in
// 巳 午, metal in 申 酉, water in 亥 子, earth in the four last months.
FiveElement SeasonOf(int monthBranch) {
    static const FiveElement kSeason[12] = {
        kElementWater, kElementEarth, kElementWood,  kElementWood,  kElementEarth, kElementFire,
        kElementFire,  kElementEarth, kElementMetal, kElementMetal, kElementEarth, kElementWater};
    return kSeason[((monthBranch % 12) + 12) % 12];
}

int SeasonFactor(FiveElement e, FiveElement season) {
    if (e == season)
        return kProspering;
    if (e == GeneratedBy(season))
        return kHelped;
    if (e == Generating(season))
        return kResting;
    if (e == Controlling(season))
        return kConfined;
    return kDead;
}

}  // namespace

FavourableElement FavourableElementOf(const FourPillarsChart& chart) {
    FavourableElement f;
    const Pillar* pillars[4] = {&chart.yearPillar, &chart.monthPillar, &chart.dayPillar,
                                &chart.hourPillar};
    for (const Pillar* p : pillars)
        f.scores[StemElement(p->stem)] += kStemPoints;
    AddBranch(f.scores, chart.yearPillar.branch, kYearBranch, false);
    AddBranch(f.scores, chart.monthPillar.branch, kMonthBranch, true);
    AddBranch(f.scores, chart.dayPillar.branch, kDayBranch, false);
    AddBranch(f.scores, chart.hourPillar.branch, kHourBranch, false);

    const FiveElement self = StemElement(chart.dayPillar.stem);
    const FiveElement resource = Generating(self);
    const FiveElement output = GeneratedBy(self);
    const FiveElement wealth = ControlledBy(self);
    const FiveElement officer = Controlling(self);
    // Each element counts by its state in the season of the month.
    const FiveElement season = SeasonOf(chart.monthPillar.branch);
    for (int e = 0; e < 5; ++e) {
        f.scores[e] *= SeasonFactor(static_cast<FiveElement>(e), season);
        f.total += f.scores[e];
    }
    f.support = f.scores[self] + f.scores[resource];
    f.strength = f.support * 100 > f.total * kStrongAbove ? DayMasterStrength::Strong
                 : f.support * 100 < f.total * kWeakBelow ? DayMasterStrength::Weak
                                                          : DayMasterStrength::Balanced;

    // Follow: nothing but the day stem itself supports it.
    bool rooted = false;
    for (const Pillar* p : pillars) {
        const FiveElement stem = StemElement(p->stem);
        if (p != &chart.dayPillar && (stem == self || stem == resource))
            rooted = true;
        if (BranchHolds(p->branch, self) || BranchHolds(p->branch, resource))
            rooted = true;
    }
    if (!rooted) {
        f.rule = FavourableRule::Follow;
        const int* s = f.scores;
        if (s[wealth] >= s[officer] && s[wealth] >= s[output]) {
            f.elements = {wealth, output};
            f.reason = "日主无根，从财格，顺从财星";
        } else if (s[officer] >= s[output]) {
            f.elements = {officer, wealth};
            f.reason = "日主无根，从杀格，顺从官杀";
        } else {
            f.elements = {output, wealth};
            f.reason = "日主无根，从儿格，顺从食伤";
        }
        return f;
    }

    // Dominant: one force all round and nothing to restrain it.
    if (f.support * 100 >= f.total * kDominantFrom && f.scores[officer] == 0) {
        static const char* const kDominantNames[5] = {"从革格", "曲直格", "润下格", "炎上格",
                                                      "稼穑格"};
        f.rule = FavourableRule::Dominant;
        f.elements = {self, resource};
        // Carried by the generating element rather than its own, the chart
        // follows its strength (从强) instead of one element's.
        f.reason = f.scores[resource] > f.scores[self]
                       ? std::string("从强格，印比成势，顺其旺势")
                       : std::string(kDominantNames[self]) + "，一气专旺，顺其旺势";
        return f;
    }

    ByStrength(f, self);

    // Seasonal adjustment: a summer chart ruled by fire needs water, a winter
    // chart ruled by water needs fire, before anything else. The element of
    // the strength rule follows; a balanced chart takes the source of the
    // needed element instead (metal for water, wood for fire).
    const int month = chart.monthPillar.branch;
    const bool summer = month >= 5 && month <= 7;                 // 巳 午 未
    const bool winter = month == 11 || month == 0 || month == 1;  // 亥 子 丑
    const FiveElement ruling = summer ? kElementFire : kElementWater;
    const FiveElement needed = summer ? kElementWater : kElementFire;
    if (!(summer || winter) || !Strongest(f.scores, ruling) ||
        f.scores[needed] >= f.scores[ruling]) {
        return f;
    }
    f.rule = FavourableRule::Seasonal;
    FiveElement second = Generating(needed);
    if (f.strength != DayMasterStrength::Balanced) {
        second = f.elements[0] != needed ? f.elements[0] : f.elements[1];
        f.reason = (summer ? "生于夏月，火炎土燥，调候取水；" : "生于冬月，水冷金寒，调候取火；") +
                   f.reason;
    } else {
        f.reason = summer ? "生于夏月，火炎土燥，调候取水；日主中和，取金生水"
                          : "生于冬月，水冷金寒，调候取火；日主中和，取木生火";
    }
    f.elements = {needed, second};
    return f;
}

std::string FavourableElementLine(const FavourableElement& f) {
    std::string line = "喜用神：";
    for (std::size_t i = 0; i < f.elements.size(); ++i) {
        if (i > 0)
            line += "、";
        line += ElementName(f.elements[i]);
    }
    return line + "（" + f.reason + "）";
}

}  // namespace quillora
