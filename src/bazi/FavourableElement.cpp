#include "bazi/FavourableElement.h"

namespace quillora {

namespace {

// Hidden stems of each branch with their weight in tenths, 本气 first. This
// is the weighting of the favourable-element reckoning; the report prints the
// hidden stems in the order of HiddenStemsTable.
struct Hidden {
    int stem;
    int tenths;
};
struct BranchStems {
    Hidden stems[3];
    int count;
};

// 甲0 乙1 丙2 丁3 戊4 己5 庚6 辛7 壬8 癸9
const BranchStems kBranchStems[12] = {
    {{{9, 10}}, 1},                 // 子: 癸
    {{{5, 6}, {9, 3}, {7, 1}}, 3},  // 丑: 己 癸 辛
    {{{0, 6}, {2, 3}, {4, 1}}, 3},  // 寅: 甲 丙 戊
    {{{1, 10}}, 1},                 // 卯: 乙
    {{{4, 6}, {1, 3}, {9, 1}}, 3},  // 辰: 戊 乙 癸
    {{{2, 6}, {6, 3}, {4, 1}}, 3},  // 巳: 丙 庚 戊
    {{{3, 7}, {5, 3}}, 2},          // 午: 丁 己
    {{{5, 6}, {3, 3}, {1, 1}}, 3},  // 未: 己 丁 乙
    {{{6, 6}, {8, 3}, {4, 1}}, 3},  // 申: 庚 壬 戊
    {{{7, 10}}, 1},                 // 酉: 辛
    {{{4, 6}, {7, 3}, {3, 1}}, 3},  // 戌: 戊 辛 丁
    {{{8, 7}, {0, 3}}, 2},          // 亥: 壬 甲
};

constexpr int kStemPoints = 100;  // 10 points, in tenths
constexpr int kYearBranch = 10;
constexpr int kMonthBranch = 30;
constexpr int kDayBranch = 15;
constexpr int kHourBranch = 10;

void AddBranch(int scores[5], int branch, int weight) {
    const BranchStems& b = kBranchStems[branch];
    for (int i = 0; i < b.count; ++i) {
        scores[StemElement(b.stems[i].stem)] += weight * b.stems[i].tenths;
    }
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

FavourableElement FavourableElementOf(const FourPillarsChart& chart) {
    FavourableElement f;
    f.scores[StemElement(chart.yearPillar.stem)] += kStemPoints;
    f.scores[StemElement(chart.monthPillar.stem)] += kStemPoints;
    f.scores[StemElement(chart.hourPillar.stem)] += kStemPoints;
    AddBranch(f.scores, chart.yearPillar.branch, kYearBranch);
    AddBranch(f.scores, chart.monthPillar.branch, kMonthBranch);
    AddBranch(f.scores, chart.dayPillar.branch, kDayBranch);
    AddBranch(f.scores, chart.hourPillar.branch, kHourBranch);

    const FiveElement self = StemElement(chart.dayPillar.stem);
    const FiveElement resource = Generating(self);
    const FiveElement output = GeneratedBy(self);
    const FiveElement wealth = ControlledBy(self);
    const FiveElement officer = Controlling(self);

    for (const int s : f.scores)
        f.total += s;
    f.support = f.scores[self] + f.scores[resource];

    if (f.support * 100 > f.total * 55) {
        f.strength = DayMasterStrength::Strong;
        if (f.scores[resource] > f.scores[self]) {
            f.elements = {wealth, output};
        } else {
            f.elements = {officer, output};
        }
    } else if (f.support * 100 < f.total * 45) {
        f.strength = DayMasterStrength::Weak;
        if (f.scores[wealth] > f.scores[output] && f.scores[wealth] > f.scores[officer]) {
            f.elements = {self, resource};
        } else {
            f.elements = {resource, self};
        }
    } else {
        f.strength = DayMasterStrength::Balanced;
        int lowest = f.scores[0];
        for (const int s : f.scores)
            lowest = s < lowest ? s : lowest;
        for (int i = 0; i < 5 && f.elements.size() < 2; ++i) {
            if (f.scores[i] == lowest)
                f.elements.push_back(static_cast<FiveElement>(i));
        }
    }
    return f;
}

std::string FavourableElementLine(const FavourableElement& f) {
    std::string line = "喜用神：";
    for (std::size_t i = 0; i < f.elements.size(); ++i) {
        if (i > 0)
            line += "、";
        line += ElementName(f.elements[i]);
    }
    switch (f.strength) {
        case DayMasterStrength::Weak:
            line += "（日主偏弱，宜生扶）";
            break;
        case DayMasterStrength::Strong:
            line += "（日主偏旺，宜克泄）";
            break;
        case DayMasterStrength::Balanced:
            line += "（日主中和，宜补不足）";
            break;
    }
    return line;
}

}  // namespace quillora
