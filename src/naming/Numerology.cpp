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

namespace {

// The luck weight of a stroke sum in tenths: 10, 6 or 0.
long long LuckTenths(long long sum) {
    const int n = NumerologyNumber(sum);
    if (InFirstBonusSet(n))
        return 10;
    if (InSecondBonusSet(n))
        return 6;
    return 0;
}

}  // namespace

StrokePatternGrade GradeStrokePattern(std::span<const int> strokes) {
    const long long k = static_cast<long long>(strokes.size());
    if (k == 0)
        return {};
    long long total = 0;
    long long singles = 0;  // sum of the tenths of the single characters
    long long pairs = 0;    // sum of the tenths of the adjacent pairs
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        total += strokes[i];
        singles += LuckTenths(strokes[i]);
        if (i + 1 < strokes.size())
            pairs += LuckTenths(strokes[i] + strokes[i + 1]);
    }
    const long long whole = LuckTenths(total);
    // q = 0.5 T + 0.3 P / (k-1) + 0.2 S / k with T, P, S in tenths; q times
    // d, where d = 100 k (k - 1), clears every denominator (one character:
    // d = 100, P = T).
    const long long d = k == 1 ? 100 : 100 * k * (k - 1);
    const long long qd = k == 1 ? 8 * whole + 2 * singles
                                : 5 * whole * k * (k - 1) + 3 * pairs * k + 2 * singles * (k - 1);
    StrokePatternGrade g;
    // 50 + 45 q rounded half up = 50 + floor((90 qd + d) / 2d)
    g.score = static_cast<int>(50 + (90 * qd + d) / (2 * d));
    g.kept = k >= 2 && whole >= 6 && qd * 10 >= 6 * d;
    return g;
}

int StrokeBonus(int reducedTotal) {
    if (InFirstBonusSet(reducedTotal))
        return 4;
    if (InSecondBonusSet(reducedTotal))
        return 3;
    return 2;
}

int NumerologyScore(std::span<const int> mainStrokes, long long affixStrokes) {
    long long total = affixStrokes;
    for (int s : mainStrokes)
        total += s;
    return GradeStrokePattern(mainStrokes).score + StrokeBonus(NumerologyNumber(total));
}

}  // namespace quillora
