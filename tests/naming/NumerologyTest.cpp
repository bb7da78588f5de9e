#include "naming/Numerology.h"

#include <gtest/gtest.h>

#include <set>

using namespace quillora;

TEST(Numerology, SumsAboveEightyWrapWithZeroReadAsEighty) {
    const std::pair<long long, int> cases[] = {
        {0, 0},    {1, 1},    {9, 9},   {80, 80},  {81, 1},    {97, 17},
        {159, 79}, {160, 80}, {161, 1}, {240, 80}, {1000, 40}, {-5, 0},
    };
    for (const auto& [sum, number] : cases)
        EXPECT_EQ(NumerologyNumber(sum), number) << sum;
}

// The sets as the results grid lists them; every other number 0..80 earns
// the lowest bonus.
TEST(Numerology, BonusSetsAndLuck) {
    const std::set<int> first = {0,  1,  3,  5,  7,  8,  11, 13, 15, 16, 18, 21, 23, 24, 25, 31,
                                 32, 33, 35, 37, 39, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68};
    const std::set<int> second = {6, 17, 26, 27, 29, 30, 38, 49, 51, 55, 58, 71, 73, 75};
    for (int n = 0; n <= 80; ++n) {
        EXPECT_EQ(InFirstBonusSet(n), first.count(n) == 1) << n;
        EXPECT_EQ(InSecondBonusSet(n), second.count(n) == 1) << n;
        const double luck = first.count(n) ? 1.0 : second.count(n) ? 0.6 : 0.0;
        EXPECT_DOUBLE_EQ(NumerologyLuck(n), luck) << n;
    }
    EXPECT_FALSE(InFirstBonusSet(81));
    EXPECT_FALSE(InSecondBonusSet(-6));
    // A brand-name total of 81 counts as 1 (first set), 80 stays 80 (neither).
    EXPECT_TRUE(InFirstBonusSet(NumerologyNumber(81)));
    EXPECT_EQ(NumerologyLuck(NumerologyNumber(80)), 0.0);
}
