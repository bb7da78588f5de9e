// quillora-cli analyse: the brand-name analysis, exactly the lines the
// analysis page writes into its memo, printed as they are produced.
#include <cstdio>
#include <string>

#include "cli/BirthOptions.h"
#include "cli/Commands.h"
#include "data/Database.h"
#include "data/QueryObject.h"
#include "naming/NameAnalysis.h"

namespace quillora::cli {

int RunAnalyse(const Args& args) {
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
