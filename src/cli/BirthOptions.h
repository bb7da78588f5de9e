// The legal person's birth options of bazi, analyse and generate: --sex,
// --calendar, --year, --month, --day, --leap, --hour and --minute. Each
// command reads its own name options.
#pragma once

#include "bazi/BirthRecord.h"
#include "cli/Args.h"

namespace quillora::cli {

// The input group's entries from the options: a missing --sex is "男", a
// missing --calendar "公历", a missing --minute "0"; --hour takes the clock
// hour 0-23 or a whole hour item; --leap asks for the leap month of a lunar
// year. Throws InputError for a calendar other than
// 公历 and 农历 and for an hour it cannot read. The name entries stay empty.
BirthEntries ReadBirthOptions(const Args& args);

}  // namespace quillora::cli
