// Lunar conversions and drawing a picker month.
#include <benchmark/benchmark.h>

#include "calendar/CnCalendar.h"
#include "calendar/LunarCalendar.h"
#include "common/DateValue.h"

namespace {

using namespace quillora;

void BM_SolarToLunar(benchmark::State& state) {
    DateValue x = EncodeDate(1901, 3, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolarToLunar(x));
        x = x >= EncodeDate(2099, 12, 1) ? EncodeDate(1901, 3, 1) : x + 97;
    }
}
BENCHMARK(BM_SolarToLunar);

void BM_LunarToSolar(benchmark::State& state) {
    int year = 1901;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LunarToSolar(LunarDate{year, 7, 15, false}));
        year = year == 2099 ? 1901 : year + 1;
    }
}
BENCHMARK(BM_LunarToSolar);

void BM_PickerMonth(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(PickerMonthLabels(2021, 2));
}
BENCHMARK(BM_PickerMonth);

}  // namespace

BENCHMARK_MAIN();
