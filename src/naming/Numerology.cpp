#include "naming/Numerology.h"

#include <algorithm>
#include <array>

namespace quillora {

namespace {

constexpr std::array kFirstSet = {0,  1,  3,  5,  7,  8,  11, 13, 15, 16, 18, 21, 23, 24, 25, 31,
                                  32, 33, 35, 37, 39, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68};
constexpr std::array kSecondSet = {6, 17, 26, 27, 29, 30, 38, 49, 51, 55, 58, 71, 73, 75};

bool Contains(const auto& set, int number) {
    return std::find(set.begin(), set.end(), number) != set.end();
}

}  // namespace

int NumerologyNumber(long long total) {
    if (total <= 0)
        return 0;
    if (total <= 80)
        return static_cast<int>(total);
    const int r = static_cast<int>(total % 80);
    return r == 0 ? 80 : r;
}

bool InFirstBonusSet(int number) {
    return Contains(kFirstSet, number);
}

bool InSecondBonusSet(int number) {
    return Contains(kSecondSet, number);
}

double NumerologyLuck(int number) {
    if (InFirstBonusSet(number))
        return 1.0;
    if (InSecondBonusSet(number))
        return 0.6;
    return 0.0;
}

}  // namespace quillora
