#include "cli/BirthOptions.h"

#include <optional>
#include <string>

namespace quillora::cli {

namespace {

int CalendarIndexOf(const std::string& text) {
    for (int i = 0; i < 2; ++i) {
        if (text == CalendarItems[i])
            return i;
    }
    throw InputError{"--calendar takes 公历 or 农历"};
}

}  // namespace

BirthEntries ReadBirthOptions(const Args& args) {
    BirthEntries entries;
    entries.sex = args.Get("sex", SexItems[0]);
    entries.calendarIndex = CalendarIndexOf(args.Get("calendar", CalendarItems[0]));
    entries.year = args.Get("year");
    entries.month = args.Get("month");
    entries.day = args.Get("day");
    const std::optional<std::string> hour = HourItemOf(args.Get("hour"));
    if (!hour)
        throw InputError{"--hour takes the clock hour 0-23 or an hour item such as \"子 0\""};
    entries.hour = *hour;
    entries.minute = args.Get("minute", "0");
    entries.leapMonth = args.Has("leap");
    return entries;
}

}  // namespace quillora::cli
