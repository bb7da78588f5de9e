// quillora-cli analyse: the brand-name analysis, exactly the lines the
// analysis page writes into its memo, printed as they are produced.
// analyse --batch FILE: every name of the file (one a line, a suffix after a
// tab) against the legal person in one table, as the batch window shows it,
// written as generate writes its grid (--format, --output).
#include <cstdio>
#include <string>

#include "cli/BirthOptions.h"
#include "cli/Commands.h"
#include "cli/TableOutput.h"
#include "common/TextFile.h"
#include "data/Database.h"
#include "data/QueryObject.h"
#include "naming/BatchAnalysis.h"
#include "naming/NameAnalysis.h"

namespace quillora::cli {

namespace {

int RunBatch(const Args& args) {
    const TableOutput out = ReadTableOutput(args);
    BirthReadResult read = ReadBirthRecord(ReadBirthOptions(args));
    if (!read)
        throw InputError{read.issue.message};
    const std::optional<FourPillarsChart> chart = BuildChartOf(*read.record);
    if (!chart)
        throw InputError{kChartDateMessage};
    const std::vector<BatchName> list = ReadBatchNames(ReadFileBytes(args.Get("batch")));
    if (list.empty())
        throw InputError{"--batch FILE holds no name"};

    QueryObject names(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    QueryObject readings(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    WriteTable(out, AnalyseBatch(names, readings, ChartNeedsOf(*chart), list));
    return 0;
}

}  // namespace

int RunAnalyse(const Args& args) {
    if (args.Has("batch"))
        return RunBatch(args);
    BrandNameView view;
    view.birth = ReadBirthOptions(args);
    view.birth.name = args.Get("name");
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
