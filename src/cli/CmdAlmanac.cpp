// quillora-cli almanac --year Y --month M --day D
// Prints the nineteen lines the almanac page writes into its result memo. A
// failed check prints its message on stderr (exit 2), also for a day outside
// the almanac's years; a day the table lacks prints nothing, as the page
// shows nothing new.
#include <cstdio>

#include "almanac/AlmanacLookup.h"
#include "cli/Commands.h"
#include "data/Database.h"
#include "data/QueryObject.h"

namespace quillora::cli {

int RunAlmanac(const Args& args) {
    // A missing option is an empty box: the page's own checks name it.
    const AlmanacInput input{args.Get("year"), args.Get("month"), args.Get("day")};
    QueryObject query(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    const AlmanacOutcome out = LookupAlmanac(query, input);
    if (out.kind == AlmanacOutcome::Kind::Rejected)
        throw InputError{out.check.message};
    for (const std::string& line : out.lines)
        std::printf("%s\n", line.c_str());
    return 0;
}

}  // namespace quillora::cli
