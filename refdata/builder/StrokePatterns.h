// The scored stroke patterns of table gz: for a name of 2, 3 or 4
// characters, which stroke counts per character make a good name and with
// what score. Computed here, not read from a source.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace quillora::refdata {

// Strokes per character that the patterns cover.
inline constexpr int kMaxPatternStrokes = 30;

struct StrokePattern {
    int length = 0;                   // 2, 3 or 4 characters
    std::array<int, 4> strokes = {};  // unused places are 0
    int score = 0;                    // zf
};

// The score of a kept pattern (GradeStrokePattern of the core), or nothing
// when the pattern is not kept.
std::optional<int> PatternScore(std::span<const int> strokes);

// Every kept pattern of a length, strokes 1..kMaxPatternStrokes in each
// place, in ascending order of s1, s2, ...
std::vector<StrokePattern> ScoredPatterns(int length);

}  // namespace quillora::refdata
