// The reference-data lookups that answer the user directly: the almanac
// lookup of one day (the whole command on a long-lived query object), the
// three bone-weight lines of a report, and the build of the three database
// files by quillora-refdata.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "almanac/AlmanacLookup.h"
#include "common/DateValue.h"
#include "data/Database.h"
#include "data/Lookups.h"
#include "data/QueryObject.h"

namespace {

using namespace quillora;

void BM_AlmanacLookup(benchmark::State& state) {
    QueryObject query(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    DateValue day = EncodeDate(1901, 1, 1);
    const DateValue last = EncodeDate(2100, 12, 31);
    for (auto _ : state) {
        const DateParts p = DecodeDate(day);
        const AlmanacOutcome out = LookupAlmanac(
            query, {std::to_string(p.year), IntToStr(p.month, 2), IntToStr(p.day, 2)});
        if (out.kind != AlmanacOutcome::Kind::Found)
            state.SkipWithError("day not found");
        day = day + 997 > last ? day + 997 - 73000 : day + 997;
    }
}
BENCHMARK(BM_AlmanacLookup)->Unit(benchmark::kMillisecond);

void BM_BoneWeightLines(benchmark::State& state) {
    int year = 1900;
    for (auto _ : state) {
        for (int mode = 0; mode < 3; ++mode) {
            benchmark::DoNotOptimize(BoneWeightLine(std::to_string(year), "3", "18", "23", mode));
        }
        year = year == 2100 ? 1900 : year + 1;
    }
}
BENCHMARK(BM_BoneWeightLines)->Unit(benchmark::kMillisecond);

// The whole build of "Parvello.dll", "Somnette.dll" and "Gantrel.dll" into a
// scratch folder.
void BM_ReferenceDataBuild(benchmark::State& state) {
    const auto out = std::filesystem::temp_directory_path() /
                     ("quillora-refdata-bench-" + std::to_string(::getpid()));
    const std::string command = std::string("\"") + QUILLORA_REFDATA + "\" --src \"" +
                                QUILLORA_SOURCE_DIR + "/refdata\" --out \"" + out.string() +
                                "\" > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("build failed");
    }
    std::filesystem::remove_all(out);
}
BENCHMARK(BM_ReferenceDataBuild)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
