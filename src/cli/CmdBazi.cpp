// quillora-cli bazi: the Four Pillars report of the legal person, exactly the
// lines the Four Pillars page writes into its memo.
#include <cstdio>
#include <string>

#include "bazi/BaziReport.h"
#include "cli/BirthOptions.h"
#include "cli/Commands.h"

namespace quillora::cli {

int RunBazi(const Args& args) {
    BirthEntries entries = ReadBirthOptions(args);
    entries.name = args.Get("surname");
    entries.givenName = args.Get("given");

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
