// The picker's solar-term days 1901-2050: twelve bytes per year, January
// first. High nibble h: the month's first term falls on day 15 - h; low
// nibble l: its second term on day 15 + l. The bytes are generated from the
// astronomical engine (Beijing time) by refdata/generators/MakeCnTermTable.cpp.
#include "calendar/CnCalendar.h"

namespace quillora {

// clang-format off
const std::uint8_t CnTermTable[(kCnLastYear - kCnFirstYear + 1) * 12] = {
#include "calendar/CnTermTable.inc"
};
// clang-format on

}  // namespace quillora
