// Stroke numerology: the reduction of a stroke sum into the numbers of the
// readings table, and the two sets of lucky numbers that score candidates.
#pragma once

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

}  // namespace quillora
