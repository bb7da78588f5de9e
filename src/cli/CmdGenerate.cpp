// quillora-cli generate: one run of "马上起名", printed as the results grid's
// header and rows. --pages K adds the pages that K − 1 presses of "继续显示"
// would show (only when the result holds more than 200 rows, as in the
// window, and while candidates not yet shown remain). --seed N makes the
// random samples and draws repeatable.
//
// Output: tab-separated UTF-8 on stdout by default, or CSV with --format csv,
// written page by page as drawn. With --output FILE the rows go to a file
// instead, which is replaced whole once every page is written: --format xlsx
// writes the spreadsheet of "导出EXCEL" (at most kMaxXlsxPages pages), tsv the
// GBK/CRLF text of "文本方式导出", csv UTF-8 CSV.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/BirthOptions.h"
#include "cli/Commands.h"
#include "cli/TableOutput.h"
#include "common/Text.h"
#include "data/Database.h"
#include "naming/Export.h"
#include "naming/GenerationRun.h"
#include "naming/ResultsGrid.h"

namespace quillora::cli {

namespace {

long long PositiveNumber(const Args& args, const std::string& name, long long fallback) {
    if (!args.Has(name))
        return fallback;
    const std::string text = args.Get(name);
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    // A number too large for the type is refused, not read as the largest
    // one (a run of that many pages would never end).
    if (text.empty() || end == nullptr || *end != '\0' || v < 0 || errno == ERANGE) {
        throw InputError{"--" + name + " takes a non-negative whole number"};
    }
    return v;
}

GenerationRequest RequestOf(const Args& args) {
    GenerationRequest r;
    r.person = ReadBirthOptions(args);
    r.person.name = args.Get("name");

    const std::string length = args.Get("length", "2");
    if (length != "2" && length != "3" && length != "4") {
        throw InputError{"--length takes 2, 3 or 4"};
    }
    r.lengthIndex = length[0] - '2';
    for (int i = 0; i < kFixedFields; ++i) {
        const std::string text = args.Get("fixed" + std::to_string(i + 1));
        if (CharCount(Trim(text)) > 1) {
            throw InputError{"--fixed" + std::to_string(i + 1) + " takes one character"};
        }
        r.fixed[i] = text;
    }
    r.suffix = args.Get("suffix");
    r.prefix = args.Get("prefix");
    r.exclude = args.Get("exclude");
    r.prefer = args.Get("prefer");
    return r;
}

}  // namespace

int RunGenerate(const Args& args) {
    const GenerationRequest request = RequestOf(args);
    const long long pages = PositiveNumber(args, "pages", 1);
    if (pages < 1)
        throw InputError{"--pages takes a number of 1 or more"};
    const TableOutput out = ReadTableOutput(args);
    if (out.format == "xlsx" && pages > kMaxXlsxPages) {
        throw InputError{"--format xlsx takes at most " + std::to_string(kMaxXlsxPages) +
                         " pages (--pages)"};
    }
    if (args.Has("seed")) {
        SeedRandom(static_cast<std::uint64_t>(PositiveNumber(args, "seed", 0)));
    }

    QueryObject strokes(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    QueryObject candidates(DbConnectionString(kParvelloFile), kGenerationTimeout);
    GenerationState state;
    const PreparedGeneration prepared = PrepareGeneration(request, state, strokes);
    if (prepared.stop == GenerationStop::BirthCheck)
        throw InputError{prepared.issue.message};
    if (prepared.stop == GenerationStop::FixedCharacters)
        throw InputError{prepared.notice};

    // The file is looked at (and its temporary file made) before the run.
    TableWriter writer(out);
    const bool more = OpenGeneration(prepared, candidates, state);
    // A run that cannot produce any name says why and what to change, as an
    // input check does: the message on stderr, status 2, no table.
    if (candidates.RecordCount() == 0)
        throw InputError{EmptyGridReason(request, state, strokes)};
    const std::string prefix = Trim(request.prefix);
    const std::string suffix = Trim(request.suffix);
    ResultGrid grid;
    bool remain = ShowCandidates(candidates, state, prefix, suffix, grid);
    writer.Add(GridExportTable(grid));
    for (long long page = 2; more && remain && page <= pages; ++page) {
        remain = ShowCandidates(candidates, state, prefix, suffix, grid);
        ExportTable next;
        AppendGridRows(grid, next);
        writer.Add(next);
    }
    writer.Finish();
    return 0;
}

}  // namespace quillora::cli
