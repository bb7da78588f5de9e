// The almanac lookup of one day: the checks on the three date boxes, the
// table key of the date, and the nineteen report lines written from one row
// of table huangdao. The entries come whole from the table; nothing of the
// day's entry is computed here.
#pragma once

#include <string>
#include <vector>

#include "common/DateValue.h"

namespace quillora {

class QueryObject;

// The three date boxes as typed (year, month, day), untrimmed.
struct AlmanacInput {
    std::string year;
    std::string month;
    std::string day;
};

// The box a failed check points at, so the window can focus it.
enum class AlmanacBox { Year, Month, Day };

// The messages of the checks, in the order they run.
inline constexpr const char* kAlmanacNoYear = "请选择年!";
inline constexpr const char* kAlmanacNoMonth = "请选择月!";
inline constexpr const char* kAlmanacNoDay = "请选择日!";
inline constexpr const char* kAlmanacBadDate = "请选择有效的日期!";
inline constexpr const char* kAlmanacOutOfRange =
    "黄历收录1901年1月1日至2100年12月31日的日子，请选择这一范围内的日期!";

// The days the almanac table holds: every day of these years.
inline constexpr int kAlmanacFirstYear = 1901;
inline constexpr int kAlmanacLastYear = 2100;

// The outcome of the checks: either a message (ok == false) or the date the
// user meant and its key in the table's form.
struct AlmanacCheck {
    bool ok = false;
    std::string message;  // when !ok
    AlmanacBox box = AlmanacBox::Year;
    DateValue date = 0;  // when ok
    std::string key;     // when ok: yyyy-MM-dd
};

// Runs the checks in their order: an empty year, month or day box (after
// trimming) and then the joined text year "-" month "-" day, which must read
// as a real date in the program's short date format and lie within the
// almanac's years. "2010", "5", "7" and "2010", "05", "07" both yield key
// "2010-05-07".
AlmanacCheck CheckAlmanacInput(const AlmanacInput& input);

// Number of lines a report has: ten entry lines with an empty line between
// each two.
inline constexpr int kAlmanacReportLines = 19;

// The report of the current row of an open statement on huangdao. Every
// value is trimmed; the first line carries the date text, two blanks and the
// overview.
std::vector<std::string> AlmanacReportLines(const QueryObject& row, const std::string& dateText);

struct AlmanacOutcome {
    enum class Kind {
        Rejected,  // a check failed: show the message, change nothing
        NoEntry,   // the table has no row for the day: change nothing, no message
        Found,     // lines holds the report
    };
    Kind kind = Kind::Rejected;
    AlmanacCheck check;
    std::vector<std::string> lines;
};

// The whole command on a long-lived query object: checks, then (only when
// they pass) close, set the day's statement, open, read the row and close
// again. A database failure (missing or unreadable file) throws DbError.
AlmanacOutcome LookupAlmanac(QueryObject& query, const AlmanacInput& input);

}  // namespace quillora
