// The calendar commands of quillora-cli:
//   lunar YYYY-MM-DD                         Gregorian -> lunar date and text
//   solar --year Y --month M --day D [--leap]  lunar -> Gregorian
//   month YYYY-MM [--day D]                  the date picker's month
//   terms YYYY                               the solar-term instants of a year
#include <algorithm>
#include <cstdio>
#include <string>

#include "bazi/Chart.h"
#include "calendar/CnCalendar.h"
#include "calendar/LunarCalendar.h"
#include "cli/Commands.h"
#include "common/DateValue.h"

namespace quillora::cli {

namespace {

// The one positional value a command takes; InputError when it is missing.
const std::string& Positional(const Args& args, const char* what) {
    if (args.positional.empty())
        throw InputError{std::string("missing ") + what};
    return args.positional.front();
}

int ReadInt(const std::string& text) {
    int value = 0;
    if (!TryParseInt(text, value))
        throw InputError{Quoted(text) + " is not a valid integer value"};
    return value;
}

void PrintLine(const std::string& line) {
    std::printf("%s\n", line.c_str());
}

// terms YYYY: the year, within the calendar's years 1900 to 2100.
int ReadTermsYear(const Args& args) {
    const int year = ReadInt(Positional(args, "year (YYYY)"));
    if (year < kLunarFirstYear || year > kLunarLastYear)
        throw InputError{"the year must lie between 1900 and 2100"};
    return year;
}

// The 24 term instants of the closed formula, which may lie up to three hours
// from the true instant (on another day for some terms), so each row says it
// is approximate: "approx<TAB>name<TAB>yyyy-MM-dd HH:mm:ss".
void PrintFormulaTerms(int year) {
    for (int n = 0; n < 24; ++n)
        PrintLine("approx\t" + std::string(TermNames[n]) + "\t" +
                  FormatDateTime(SolarTermInstant(year, n)));
}

// The twelve jie instants of the year from table JQ of "Gantrel.dll", read
// as the chart reads them, "jie<TAB>name<TAB>yyyy-MM-dd HH:mm:ss" in time
// order.
void PrintDatabaseJie(int year) {
    for (const JieInstant& j : JieInstantsOf(year, year))
        PrintLine(std::string("jie\t") + JieNames[j.jie] + "\t" +
                  FormatDateTime(InstantDate(j.seconds)));
}

}  // namespace

int RunLunar(const Args& args) {
    const std::string& text = Positional(args, "date (YYYY-MM-DD)");
    DateValue date = 0;
    if (!TryParseDate(text, date))
        throw InputError{Quoted(text) + " is not a date: give it as YYYY-MM-DD"};
    const LunarDate lunar = SolarToLunar(date);
    if (lunar.IsNone())
        throw InputError{"the lunar calendar covers 1900-01-31 to 2100-12-31"};
    std::printf("%d %d %d %d\n", lunar.year, lunar.month, lunar.day, lunar.isLeap ? 1 : 0);
    PrintLine(LunarDateText(lunar));
    return 0;
}

int RunSolar(const Args& args) {
    LunarDate lunar;
    lunar.year = ReadInt(Require(args, "year"));
    lunar.month = ReadInt(Require(args, "month"));
    lunar.day = ReadInt(Require(args, "day"));
    lunar.isLeap = args.Has("leap");
    // Lunar years 1900 and 2100 run past the ends of the calendar's table.
    if (lunar.year <= kLunarFirstYear || lunar.year >= kLunarLastYear)
        throw InputError{"the lunar year must lie between 1901 and 2099"};
    if (lunar.month < 1 || lunar.month > 12)
        throw InputError{"the lunar month must lie between 1 and 12"};
    if (lunar.isLeap && LeapMonthOf(lunar.year) != lunar.month) {
        const int leap = LeapMonthOf(lunar.year);
        throw InputError{leap == 0 ? "lunar year " + std::to_string(lunar.year) +
                                         " has no leap month (--leap)"
                                   : "the leap month of lunar year " + std::to_string(lunar.year) +
                                         " follows month " + std::to_string(leap) + " (--leap)"};
    }
    const int days =
        lunar.isLeap ? LeapMonthDays(lunar.year) : LunarMonthDays(lunar.year, lunar.month);
    if (lunar.day < 1 || lunar.day > days) {
        const std::string month = (lunar.isLeap ? "the leap month after month " : "month ") +
                                  std::to_string(lunar.month) + " of lunar year " +
                                  std::to_string(lunar.year);
        throw InputError{"the day must lie between 1 and " + std::to_string(days) + " (" + month +
                         " has " + std::to_string(days) + " days)"};
    }
    PrintLine(FormatDate(LunarToSolar(lunar)));
    return 0;
}

namespace {

// month YYYY-MM: four digits, a dash, one or two digits.
void ReadMonthText(const std::string& text, int& year, int& month) {
    const auto digits = [](const std::string& s) {
        return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
    };
    const std::size_t dash = text.find('-');
    const std::string y = dash == std::string::npos ? text : text.substr(0, dash);
    const std::string m = dash == std::string::npos ? "" : text.substr(dash + 1);
    if (y.size() != 4 || !digits(y) || m.size() > 2 || !digits(m))
        throw InputError{Quoted(text) + " is not a month: give it as YYYY-MM (e.g. 2021-02)"};
    year = std::stoi(y);
    month = std::stoi(m);
}

}  // namespace

int RunMonth(const Args& args) {
    const std::string& text = Positional(args, "month (YYYY-MM)");
    int year = 0;
    int month = 0;
    ReadMonthText(text, year, month);
    if (month < 1 || month > 12)
        throw InputError{"the month must lie between 1 and 12"};
    if (year < kCnFirstYear || year > kCnLastYear)
        throw InputError{"the calendar shows the years 1901 to 2050"};
    int selected = 1;
    if (args.Has("day")) {
        selected = ReadInt(args.Get("day"));
        if (selected < 1 || selected > 31)
            throw InputError{"the day must lie between 1 and 31"};
    }

    for (const PickerDayLabel& label : PickerMonthLabels(year, month)) {
        std::printf("%d\t%s\t%s\n", label.day, label.text.c_str(),
                    std::string(DayLabelKindName(label.kind)).c_str());
    }
    // The picker draws the selected day cut to the month's length.
    const int day = std::min(selected, DaysInMonth(year, month));
    const DateValue drawn = EncodeDate(year, month, day);
    PrintLine("zodiac\t" + CnZodiac(drawn));
    PrintLine("starsign\t" + StarSignOfDay(day, drawn));
    return 0;
}

int RunTerms(const Args& args) {
    const int year = ReadTermsYear(args);
    PrintFormulaTerms(year);
    PrintDatabaseJie(year);
    return 0;
}

}  // namespace quillora::cli
