// quillora-cli auspicious --activity A --from YYYY-MM-DD --to YYYY-MM-DD
//                         [--sex .. --calendar .. --year Y --month M --day D
//                          --hour H --minute MI]
// The days of the range that favour the activity and do not forbid it, as
// the 择吉日 window lists them: a tab-separated header and one row per day,
// then the summary line. With the legal person's birth options the days that
// clash with the person's year are marked.
#include <cstdio>
#include <optional>
#include <string>

#include "almanac/AuspiciousDays.h"
#include "bazi/BirthRecord.h"
#include "cli/BirthOptions.h"
#include "cli/Commands.h"
#include "data/Database.h"
#include "data/QueryObject.h"

namespace quillora::cli {

namespace {

// The legal person's year branch when the birth options are given.
std::optional<int> PersonBranch(const Args& args) {
    if (!args.Has("year"))
        return std::nullopt;
    const BirthReadResult read = ReadBirthRecord(ReadBirthOptions(args));
    if (!read)
        throw InputError{read.issue.message};
    const std::optional<FourPillarsChart> chart = BuildChartOf(*read.record);
    if (!chart)
        throw InputError{kChartDateMessage};
    return chart->yearPillar.branch;
}

void PrintRow(const std::vector<std::string>& cells) {
    std::string line;
    for (const std::string& cell : cells)
        line += (line.empty() ? "" : "\t") + cell;
    std::printf("%s\n", line.c_str());
}

}  // namespace

int RunAuspicious(const Args& args) {
    const AuspiciousCheck check =
        CheckAuspiciousInput({args.Get("activity"), args.Get("from"), args.Get("to")});
    if (!check.ok && check.message == kAuspiciousUnknownActivity) {
        // The window offers the list; the command line names it.
        std::string terms;
        for (const AuspiciousActivity& a : AuspiciousActivities())
            terms += std::string(terms.empty() ? "" : " ") + a.term;
        throw InputError{check.message + std::string("（") + terms + "）"};
    }
    if (!check.ok)
        throw InputError{check.message};
    const std::optional<int> person = PersonBranch(args);

    QueryObject almanac(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    const std::vector<AuspiciousDay> days =
        FindAuspiciousDays(almanac, check.activity, check.from, check.to, person);
    PrintRow(AuspiciousHeaders());
    for (const AuspiciousDay& day : days)
        PrintRow(AuspiciousCells(day, person));
    std::printf("%s\n", AuspiciousSummary(check, days, person).c_str());
    return 0;
}

}  // namespace quillora::cli
