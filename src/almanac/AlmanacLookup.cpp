#include "almanac/AlmanacLookup.h"

#include "common/Text.h"
#include "data/QueryObject.h"
#include "data/Statements.h"

namespace quillora {

namespace {

AlmanacCheck Reject(const char* message, AlmanacBox box) {
    AlmanacCheck c;
    c.message = message;
    c.box = box;
    return c;
}

// The ten entry lines: label and column, in the order they are written.
struct ReportField {
    const char* label;
    const char* column;
};
constexpr ReportField kReportFields[] = {
    {"岁次:", "suici"}, {"每日胎神占方:", "tszf"}, {"五行:", "wuhang"},
    {"冲:", "cong"},    {"彭祖百忌:", "pzbj"},     {"吉神宜趋:", "jsyq"},
    {"宜:", "yi"},      {"凶神宜忌:", "xsyq"},     {"忌:", "ji"},
};

}  // namespace

AlmanacCheck CheckAlmanacInput(const AlmanacInput& input) {
    const std::string year = Trim(input.year);
    if (year.empty())
        return Reject(kAlmanacNoYear, AlmanacBox::Year);
    const std::string month = Trim(input.month);
    if (month.empty())
        return Reject(kAlmanacNoMonth, AlmanacBox::Month);
    const std::string day = Trim(input.day);
    if (day.empty())
        return Reject(kAlmanacNoDay, AlmanacBox::Day);

    // The date is read the way the program reads every typed date, so "5"
    // and "05" mean the same month; the table is then asked in its own key
    // form.
    DateValue date = 0;
    if (!TryParseDate(year + "-" + month + "-" + day, date)) {
        return Reject(kAlmanacBadDate, AlmanacBox::Day);
    }
    // A day outside the table would find no entry; say which days there are.
    const int y = DecodeDate(date).year;
    if (y < kAlmanacFirstYear || y > kAlmanacLastYear)
        return Reject(kAlmanacOutOfRange, AlmanacBox::Year);
    AlmanacCheck c;
    c.ok = true;
    c.date = date;
    c.key = FormatDate(date);
    return c;
}

std::vector<std::string> AlmanacReportLines(const QueryObject& row, const std::string& dateText) {
    std::vector<std::string> lines;
    lines.reserve(kAlmanacReportLines);
    lines.push_back("当日统览:" + dateText + "  " + Trim(row.FieldText("nn")));
    for (const ReportField& f : kReportFields) {
        lines.emplace_back();
        lines.push_back(f.label + Trim(row.FieldText(f.column)));
    }
    return lines;
}

AlmanacOutcome LookupAlmanac(QueryObject& query, const AlmanacInput& input) {
    AlmanacOutcome out;
    out.check = CheckAlmanacInput(input);
    if (!out.check.ok)
        return out;

    query.Close();
    query.SetStatement(sql::kAlmanacDay, {out.check.key});
    query.Open();
    if (query.RecordCount() == 0) {
        query.Close();
        out.kind = AlmanacOutcome::Kind::NoEntry;
        return out;
    }
    out.lines = AlmanacReportLines(query, out.check.key);
    query.Close();
    out.kind = AlmanacOutcome::Kind::Found;
    return out;
}

}  // namespace quillora
