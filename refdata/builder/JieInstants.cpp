#include "JieInstants.h"

#include <string>

#include "BuildDb.h"
#include "calendar/TrueSolarTerm.h"

namespace quillora::refdata {

namespace {

const std::vector<JieInstant>& AllJieInstants() {
    static const std::vector<JieInstant> all = [] {
        std::vector<JieInstant> v;
        v.reserve(12 * (kJqLastYear - kJqFirstYear + 1));
        for (int year = kJqFirstYear; year <= kJqLastYear; ++year) {
            for (int k = 0; k < 24; k += 2) {
                const DateValue t = TrueSolarTermInstant(year, k);
                if (DecodeDate(t).year != year) {
                    BuildFailure("jie " + std::to_string(k) + " of " + std::to_string(year) +
                                 " falls in another year");
                }
                v.push_back({t, k});
            }
        }
        return v;
    }();
    return all;
}

}  // namespace

std::vector<JieInstant> JieInstantsOfYears(int first, int last) {
    std::vector<JieInstant> out;
    for (const JieInstant& j : AllJieInstants()) {
        const int year = DecodeDate(j.instant).year;
        if (year >= first && year <= last)
            out.push_back(j);
    }
    return out;
}

}  // namespace quillora::refdata
