// The jie instants of 1900-2100 from the astronomical solar-term engine,
// computed once per builder run and shared by the tables that need them (JQ
// and the almanac).
#pragma once

#include <vector>

#include "common/DateValue.h"

namespace quillora::refdata {

inline constexpr int kJqFirstYear = 1900;
inline constexpr int kJqLastYear = 2100;

struct JieInstant {
    DateValue instant;  // Beijing time, whole seconds
    int term;           // index into TermNames: 0 小寒, 2 立春, ... 22 大雪
};

// The twelve jie instants of every Gregorian year first to last (within
// kJqFirstYear to kJqLastYear), in time order. Fails the build when an
// instant does not fall in its own year.
std::vector<JieInstant> JieInstantsOfYears(int first, int last);

}  // namespace quillora::refdata
