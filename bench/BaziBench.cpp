// The Four Pillars chart and the whole Four Pillars report on the built
// reference databases: birth record, chart with its jie instants, the ten-god,
// sound-element, element and bone-weight lookups.
#include <benchmark/benchmark.h>

#include "bazi/BaziReport.h"
#include "bazi/BirthRecord.h"
#include "bazi/Chart.h"

using namespace quillora;

namespace {

void BM_BuildChart(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildChart(1986, 6, 5, 10, 30, "男"));
    }
}

void BM_FourPillarsReport(benchmark::State& state) {
    BirthEntries e;
    e.name = "张";
    e.givenName = "三";
    e.sex = "男";
    e.year = "1986";
    e.month = "6";
    e.day = "5";
    e.hour = "巳 10";
    e.minute = "30";
    for (auto _ : state) {
        const BirthReadResult read = ReadBirthRecord(e);
        if (!read)
            state.SkipWithError("the checks failed");
        benchmark::DoNotOptimize(BaziReportLines(*read.record));
    }
}

}  // namespace

BENCHMARK(BM_BuildChart)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FourPillarsReport)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
