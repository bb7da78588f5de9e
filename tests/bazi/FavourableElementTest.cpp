// The favourable element of hand-worked charts, and its calibration over
// random births. Raw scores are in tenths of a point: the four stems 100
// each, branches 100 (year, hour) and 150 (day) split 本气 6 / 中气 3 / 余气 1
// tenths (7 / 3 with two, whole with one), the month branch 300 split
// 240 / 45 / 15 (240 / 60 with two). Each element then counts by its season:
// ×12 旺, ×11 相, ×10 休, ×9 囚, ×8 死 (so the scores are in hundredths).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "bazi/FavourableElement.h"
#include "data/QueryObject.h"

using namespace quillora;

namespace {

int StemIndex(const std::string& s) {
    static const char* kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    for (int i = 0; i < 10; ++i) {
        if (s == kStems[i])
            return i;
    }
    return -1;
}

int BranchIndex(const std::string& s) {
    static const char* kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                      "午", "未", "申", "酉", "戌", "亥"};
    for (int i = 0; i < 12; ++i) {
        if (s == kBranches[i])
            return i;
    }
    return -1;
}

Pillar P(const std::string& text) {
    return Pillar{StemIndex(text.substr(0, 3)), BranchIndex(text.substr(3, 3))};
}

FourPillarsChart ChartOf(const char* y, const char* m, const char* d, const char* h) {
    FourPillarsChart c;
    c.yearPillar = P(y);
    c.monthPillar = P(m);
    c.dayPillar = P(d);
    c.hourPillar = P(h);
    return c;
}

}  // namespace

TEST(FavourableElement, HandWorkedCharts) {
    struct Case {
        const char* pillars[4];
        int scores[5];  // 金 木 水 火 土
        DayMasterStrength strength;
        FavourableRule rule;
        const char* line;
    };
    using S = DayMasterStrength;
    using R = FavourableRule;
    const Case cases[] = {
        // 2024-02-10 12:00: 甲 in a 寅 month, rooted in both 辰 (乙): wood
        // 515 × 12 in spring; support 6180 + 250 of 11255 (57 %), strong.
        {{"甲辰", "丙寅", "甲辰", "庚午"},
         {900, 6180, 250, 2365, 1560},
         S::Strong,
         R::Strength,
         "喜用神：金、火（日主偏旺，宜官杀克制、食伤泄秀）"},
        // 1966-06-16 12:00: fire and wood only, no water anywhere: 炎上.
        {{"丙午", "甲午", "丙午", "甲午"},
         {0, 2000, 0, 8220, 1815},
         S::Strong,
         R::Dominant,
         "喜用神：火、木（炎上格，一气专旺，顺其旺势）"},
        // 1991-07-02 00:42: 癸 in a 午 month with 壬子 and 辛酉: 45 %,
        // balanced; fire (3240) rules the summer chart, water first.
        {{"辛未", "甲午", "癸酉", "壬子"},
         {2000, 1100, 2700, 3240, 1320},
         S::Balanced,
         R::Seasonal,
         "喜用神：水、金（生于夏月，火炎土燥，调候取水；日主中和，取金生水）"},
        // 癸 in a 巳 month, fire and earth all round: 31 %, weak, wealth
        // leads; the summer's water is also its own element.
        {{"丙寅", "癸巳", "癸酉", "己未"},
         {1560, 700, 1800, 4800, 2035},
         S::Weak,
         R::Seasonal,
         "喜用神：水、金（生于夏月，火炎土燥，调候取水；日主偏弱，财多宜比劫帮身）"},
        // 丙 in a 申 month under metal, which rules the autumn: 17 %, weak;
        // wealth leads, so its own element comes first.
        {{"辛酉", "丙申", "丙戌", "戊子"},
         {5820, 0, 1595, 1935, 2050},
         S::Weak,
         R::Strength,
         "喜用神：火、木（日主偏弱，财多宜比劫帮身）"},
        // 丙 in a 子 month under water: 29.5 %, weak; water rules the winter
        // chart, fire first, then the generating wood.
        {{"壬子", "壬子", "丙午", "甲午"},
         {0, 1100, 7200, 2200, 675},
         S::Weak,
         R::Seasonal,
         "喜用神：火、木（生于冬月，水冷金寒，调候取火；日主偏弱，宜印星生扶）"},
        // 庚 with three more metal in a 申 month: 79 %, strong through its
        // own element, just short of dominant.
        {{"庚申", "甲申", "庚申", "庚辰"},
         {8280, 1040, 1430, 0, 1000},
         S::Strong,
         R::Strength,
         "喜用神：火、水（日主偏旺，宜官杀克制、食伤泄秀）"},
        // 甲 among four 寅 with two 丙: 65 %, strong, no water to break.
        {{"甲寅", "丙寅", "甲寅", "丙寅"},
         {0, 7800, 0, 3850, 400},
         S::Strong,
         R::Strength,
         "喜用神：金、火（日主偏旺，宜官杀克制、食伤泄秀）"},
        // 甲 on four 子: 93 % and no metal: carried by its water, 从强.
        {{"甲子", "丙子", "甲子", "甲子"},
         {0, 3300, 7800, 800, 0},
         S::Strong,
         R::Dominant,
         "喜用神：木、水（从强格，印比成势，顺其旺势）"},
        // 丙 in a 亥 month fed by wood: 46.9 %, balanced; wood outweighs the
        // winter's water, so no warming; metal (400) is the scarcest.
        {{"甲戌", "乙亥", "丙寅", "己丑"},
         {400, 3850, 3240, 1240, 2115},
         S::Balanced,
         R::Strength,
         "喜用神：金（日主中和，宜补不足）"},
        // 甲 among four 申 with 壬: 38 %, balanced by the water the 申 hold;
        // fire (none) restrains the metal.
        {{"庚申", "甲申", "甲申", "壬申"},
         {6600, 1600, 2750, 0, 500},
         S::Balanced,
         R::Strength,
         "喜用神：火（日主中和，宜补不足）"},
        // Follow charts: no wood or water anywhere for 甲, and earth rules;
        // no wood or water for 乙 among metal; no water or metal for 壬 among
        // wood and fire.
        {{"戊戌", "戊午", "甲戌", "己巳"},
         {840, 1000, 0, 3900, 5720},
         S::Weak,
         R::Follow,
         "喜用神：土、火（日主无根，从财格，顺从财星）"},
        {{"辛酉", "丁酉", "乙酉", "辛巳"},
         {9360, 800, 0, 1440, 100},
         S::Weak,
         R::Follow,
         "喜用神：金、土（日主无根，从杀格，顺从官杀）"},
        {{"甲寅", "丙寅", "壬寅", "丙午"},
         {0, 5880, 1000, 4290, 560},
         S::Weak,
         R::Follow,
         "喜用神：木、火（日主无根，从儿格，顺从食伤）"},
    };
    for (const Case& c : cases) {
        const FavourableElement f =
            FavourableElementOf(ChartOf(c.pillars[0], c.pillars[1], c.pillars[2], c.pillars[3]));
        const std::string label =
            std::string(c.pillars[0]) + c.pillars[1] + c.pillars[2] + c.pillars[3];
        int total = 0;
        for (int e = 0; e < 5; ++e) {
            EXPECT_EQ(f.scores[e], c.scores[e]) << label << " element " << e;
            total += c.scores[e];
        }
        EXPECT_EQ(f.total, total) << label;
        EXPECT_EQ(f.strength, c.strength) << label;
        EXPECT_EQ(f.rule, c.rule) << label;
        EXPECT_EQ(FavourableElementLine(f), c.line) << label;
    }
}

// Over 5,000 random births 1901-2099 weak and strong charts are both common:
// neither above 55 %, strong at least 25 %, and balanced ones exist.
TEST(FavourableElement, WeakAndStrongAreBothCommon) {
    const ConnectionScope scope;
    std::mt19937 random(14);
    int counts[3] = {0, 0, 0};
    const int births = 5000;
    for (int i = 0; i < births; ++i) {
        const int y = std::uniform_int_distribution<>(1901, 2099)(random);
        const int m = std::uniform_int_distribution<>(1, 12)(random);
        const int d = std::uniform_int_distribution<>(1, DaysInMonth(y, m))(random);
        const int h = std::uniform_int_distribution<>(0, 23)(random);
        const auto chart = BuildChart(y, m, d, h, 30, i % 2 == 0 ? "男" : "女");
        ASSERT_TRUE(chart.has_value());
        ++counts[static_cast<int>(FavourableElementOf(*chart).strength)];
    }
    const int weak = counts[static_cast<int>(DayMasterStrength::Weak)];
    const int strong = counts[static_cast<int>(DayMasterStrength::Strong)];
    const int balanced = counts[static_cast<int>(DayMasterStrength::Balanced)];
    EXPECT_LE(weak * 100, births * 55) << weak;
    EXPECT_LE(strong * 100, births * 55) << strong;
    EXPECT_GE(strong * 100, births * 25) << strong;
    EXPECT_GE(balanced * 100, births * 5) << balanced;
}
