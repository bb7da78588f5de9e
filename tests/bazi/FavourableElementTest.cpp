// The favourable element of hand-worked charts. Scores are in tenths of a
// point: stems 100 each (year, month, hour), branches 100 (year, hour), 150
// (day) and 300 (month) split over their hidden stems 本气 6 / 中气 3 / 余气 1
// tenths (7 / 3 with two, whole with one). Total 950.
#include <gtest/gtest.h>

#include <string>

#include "bazi/FavourableElement.h"

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
        const char* line;
    };
    const Case cases[] = {
        // 癸 in a 巳 month, fire and earth all round: support 水100 + 金240 of
        // 950, weak; wealth (火340) leads officer (土200) and output (木70),
        // so its own element comes before the generating one.
        {{"丙寅", "癸巳", "癸酉", "己未"},
         {240, 70, 100, 340, 200},
         DayMasterStrength::Weak,
         "喜用神：水、金（日主偏弱，宜生扶）"},
        // 丙 in a 申 month under metal: support 火115 + 木0, weak, wealth (金425)
        // leads.
        {{"辛酉", "丙申", "丙戌", "戊子"},
         {425, 0, 190, 115, 220},
         DayMasterStrength::Weak,
         "喜用神：火、木（日主偏弱，宜生扶）"},
        // 甲 among four 申: officer (金490) leads wealth (土65), so the
        // generating water comes first.
        {{"庚申", "甲申", "甲申", "壬申"},
         {490, 100, 295, 0, 65},
         DayMasterStrength::Weak,
         "喜用神：水、木（日主偏弱，宜生扶）"},
        // 甲 on four 子: support 木200 + 水650 = 850, strong through the
        // generating element: wealth breaks it, output drains.
        {{"甲子", "丙子", "甲子", "甲子"},
         {0, 200, 650, 100, 0},
         DayMasterStrength::Strong,
         "喜用神：土、火（日主偏旺，宜克泄）"},
        // 庚 in a 申 month with three more metal: support 金530 + 土115 = 645,
        // strong through its own element: officer controls, output drains.
        {{"庚申", "甲申", "庚申", "庚辰"},
         {530, 130, 175, 0, 115},
         DayMasterStrength::Strong,
         "喜用神：火、水（日主偏旺，宜克泄）"},
        // 丙 in a 亥 month fed by wood: support 火55 + 木380 = 435 (45.8%),
        // balanced; metal (40) is the scarcest.
        {{"甲戌", "乙亥", "丙寅", "己丑"},
         {40, 380, 240, 55, 235},
         DayMasterStrength::Balanced,
         "喜用神：金（日主中和，宜补不足）"},
        // 甲 among four 寅 with two 丙: support 木490 (51.6%), balanced; metal
        // and water both score nothing.
        {{"甲寅", "丙寅", "甲寅", "丙寅"},
         {0, 490, 0, 395, 65},
         DayMasterStrength::Balanced,
         "喜用神：金、水（日主中和，宜补不足）"},
    };
    for (const Case& c : cases) {
        const FavourableElement f =
            FavourableElementOf(ChartOf(c.pillars[0], c.pillars[1], c.pillars[2], c.pillars[3]));
        const std::string label =
            std::string(c.pillars[0]) + c.pillars[1] + c.pillars[2] + c.pillars[3];
        for (int e = 0; e < 5; ++e)
            EXPECT_EQ(f.scores[e], c.scores[e]) << label << " element " << e;
        EXPECT_EQ(f.total, 950) << label;
        EXPECT_EQ(f.strength, c.strength) << label;
        EXPECT_EQ(FavourableElementLine(f), c.line) << label;
    }
}
