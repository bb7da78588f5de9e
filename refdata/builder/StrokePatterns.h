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

// Scores the strokes s1..sk of one name (k = 2..4). With luck(n) the weight
// of NumerologyNumber n (1.0, 0.6 or 0):
//   T = luck(s1 + ... + sk), P = mean luck of adjacent pairs si + si+1,
//   S = mean luck of the single characters, q = 0.5 T + 0.3 P + 0.2 S.
// The pattern is kept when T >= 0.6 and q >= 0.6, with the score
// 50 + 45 q rounded half up; otherwise the result is empty. The arithmetic is
// exact (integers), so a q that lands on a half always rounds up.
std::optional<int> PatternScore(std::span<const int> strokes);

// Every kept pattern of a length, strokes 1..kMaxPatternStrokes in each
// place, in ascending order of s1, s2, ...
std::vector<StrokePattern> ScoredPatterns(int length);

}  // namespace quillora::refdata
