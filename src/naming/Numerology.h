// Stroke numerology: the reduction of a stroke sum into the numbers of the
// readings table, and the two sets of lucky numbers that score candidates.
#pragma once

#include <span>

namespace quillora {

// Reduces a stroke sum into 0..80: a sum above 80 is taken modulo 80, a
// remainder of 0 reading as 80; a sum of 80 or less is its own number. So
// 80 stays 80, 81 gives 1, 160 gives 80 and 0 (no character found) stays 0.
// A negative sum cannot come from stroke counts and gives 0.
int NumerologyNumber(long long total);

// The first set of lucky numbers (0, 1, 3, 5, 7, 8, 11, ...): the numbers
// the readings call 大吉 or 吉. Numbers outside 0..80 are in neither set.
bool InFirstBonusSet(int number);
// The second set (6, 17, 26, ...): the numbers the readings call 半吉.
bool InSecondBonusSet(int number);

// The luck of a number as a weight: 1.0 in the first set, 0.6 in the
// second, 0 otherwise. The scored stroke patterns are built from it.
double NumerologyLuck(int number);

// The grade of the strokes s1..sk of a main name. With luck(n) the weight of
// NumerologyNumber n:
//   T = luck(s1 + ... + sk), P = mean luck of adjacent pairs si + si+1,
//   S = mean luck of the single characters, q = 0.5 T + 0.3 P + 0.2 S,
// score = 50 + 45 q rounded half up (exact integer arithmetic). A single
// character has no pair and takes T for P; no character scores 0. The
// pattern is kept (a row of the pattern table) when T >= 0.6 and q >= 0.6.
struct StrokePatternGrade {
    int score = 0;
    bool kept = false;
};
StrokePatternGrade GradeStrokePattern(std::span<const int> strokes);

// The stroke bonus of a reduced stroke total: 4 in the first bonus set, else 3
// in the second, else 2.
int StrokeBonus(int reducedTotal);

// 总体评分, the one numerology score of a brand name wherever it is shown:
// the pattern score of the main name's character strokes plus the stroke
// bonus of the whole name's reduced stroke total (main name, suffix and
// prefix). For a candidate of the pattern table this is its zf + bonus.
int NumerologyScore(std::span<const int> mainStrokes, long long affixStrokes);

}  // namespace quillora
