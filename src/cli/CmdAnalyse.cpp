// quillora-cli analyse: the brand-name analysis, exactly the lines the
// analysis page writes into its memo, printed as they are produced.
#include <cstdio>
#include <string>

#include "bazi/BirthRecord.h"
#include "cli/Commands.h"
#include "data/Database.h"
#include "data/QueryObject.h"
#include "naming/NameAnalysis.h"

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

int RunAnalyse(const Args& args) {
    BrandNameView view;
    view.birth.name = args.Get("name");
    view.birth.sex = args.Get("sex", SexItems[0]);
    view.birth.calendarIndex = CalendarIndexOf(args.Get("calendar", CalendarItems[0]));
    view.birth.year = args.Get("year");
    view.birth.month = args.Get("month");
    view.birth.day = args.Get("day");
    const std::optional<std::string> hour = HourItemOf(args.Get("hour"));
    if (!hour)
        throw InputError{"--hour takes the clock hour 0-23 or an hour item such as \"子 0\""};
    view.birth.hour = *hour;
    view.birth.minute = args.Get("minute", "0");
    view.birth.leapMonth = args.Has("leap");
    view.prefix = args.Get("prefix");
    view.mainName = args.Get("main");
    view.suffix = args.Get("suffix");

    QueryObject strokes(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    QueryObject readings(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    view.strokes = &strokes;
    view.readings = &readings;
    view.appendLine = [](const std::string& line) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    };

    const AnalysisOutcome outcome = AnalyseBrandName(view);
    if (!outcome)
        throw InputError{outcome.message};
    return 0;
}

}  // namespace quillora::cli
