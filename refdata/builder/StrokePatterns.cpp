#include "StrokePatterns.h"

#include "naming/Numerology.h"

namespace quillora::refdata {

std::optional<int> PatternScore(std::span<const int> strokes) {
    const StrokePatternGrade g = GradeStrokePattern(strokes);
    if (!g.kept)
        return std::nullopt;
    return g.score;
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
