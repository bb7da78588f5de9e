// quillora-cli bazi: the Four Pillars report of the legal person, exactly the
// lines the Four Pillars page writes into its memo.
#include <cstdio>
#include <string>

#include "bazi/BaziReport.h"
#include "bazi/BirthRecord.h"
#include "cli/Commands.h"

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

int RunBazi(const Args& args) {
    BirthEntries entries;
    entries.name = args.Get("surname");
    entries.givenName = args.Get("given");
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

    const BirthReadResult read = ReadBirthRecord(entries);
    if (!read)
        throw InputError{read.issue.message};
    const std::optional<std::vector<std::string>> lines = BaziReportLines(*read.record);
    if (!lines)
        throw InputError{kChartDateMessage};
    for (const std::string& line : *lines) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
    return 0;
}

}  // namespace quillora::cli
