#include "StrokePatterns.h"

#include "naming/Numerology.h"

namespace quillora::refdata {

namespace {

// The luck weight of a stroke sum in tenths: 10, 6 or 0.
int LuckTenths(int sum) {
    const int n = NumerologyNumber(sum);
    if (InFirstBonusSet(n))
        return 10;
    if (InSecondBonusSet(n))
        return 6;
    return 0;
}

}  // namespace

std::optional<int> PatternScore(std::span<const int> strokes) {
    const long long k = static_cast<long long>(strokes.size());
    if (k < 2)
        return std::nullopt;
    int total = 0;
    long long singles = 0;  // sum of the tenths of the single characters
    long long pairs = 0;    // sum of the tenths of the adjacent pairs
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        total += strokes[i];
        singles += LuckTenths(strokes[i]);
        if (i + 1 < strokes.size())
            pairs += LuckTenths(strokes[i] + strokes[i + 1]);
    }
    const long long whole = LuckTenths(total);
    if (whole < 6)
        return std::nullopt;
    // q = 0.5 T + 0.3 P / (k-1) + 0.2 S / k with T, P, S in tenths; q times
    // d, where d = 100 k (k - 1), clears every denominator.
    const long long d = 100 * k * (k - 1);
    const long long qd = 5 * whole * k * (k - 1) + 3 * pairs * k + 2 * singles * (k - 1);
    if (qd * 10 < 6 * d)
        return std::nullopt;
    // 50 + 45 q rounded half up = 50 + floor((90 qd + d) / 2d)
    return static_cast<int>(50 + (90 * qd + d) / (2 * d));
}

std::vector<StrokePattern> ScoredPatterns(int length) {
    std::vector<StrokePattern> out;
    if (length < 2 || length > 4)
        return out;
    std::array<int, 4> s = {1, 1, 1, 1};
    for (int i = length; i < 4; ++i)
        s[i] = 0;
    while (true) {
        if (const auto score = PatternScore(std::span<const int>(s.data(), length))) {
            out.push_back({length, s, *score});
        }
        // Next pattern: count up from the last place.
        int place = length - 1;
        while (place >= 0 && s[place] == kMaxPatternStrokes) {
            s[place] = 1;
            --place;
        }
        if (place < 0)
            break;
        ++s[place];
    }
    return out;
}

}  // namespace quillora::refdata
