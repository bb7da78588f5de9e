// Lunar conversions over 10,000 random dates, and the lunar labels of a
// picker month. Each iteration converts all 10,000 dates; the time of one
// conversion is the iteration time divided by 10,000 (the "per_item" counter).
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "calendar/CnCalendar.h"
#include "calendar/LunarCalendar.h"
#include "common/DateValue.h"

namespace {

using namespace quillora;

constexpr int kDates = 10000;

// Days of 1900-01-31 .. 2100-12-31, the range the lunar table covers, drawn
// with a fixed seed so every run converts the same dates.
const std::vector<DateValue>& RandomDays() {
    static const std::vector<DateValue> days = [] {
        std::mt19937 gen(20240210);
        std::uniform_int_distribution<int> pick(static_cast<int>(EncodeDate(1900, 1, 31)),
                                                static_cast<int>(EncodeDate(2100, 12, 31)));
        std::vector<DateValue> out;
        for (int i = 0; i < kDates; ++i)
            out.push_back(pick(gen) + 0.5);  // with a time of day, as the windows pass it
        return out;
    }();
    return days;
}

// The lunar dates of the same random days.
const std::vector<LunarDate>& RandomLunarDates() {
    static const std::vector<LunarDate> dates = [] {
        std::vector<LunarDate> out;
        for (const DateValue d : RandomDays())
            out.push_back(SolarToLunar(d));
        return out;
    }();
    return dates;
}

void PerItem(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kDates);
    state.counters["per_item"] = benchmark::Counter(
        kDates, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_SolarToLunar10000(benchmark::State& state) {
    const std::vector<DateValue>& days = RandomDays();
    for (auto _ : state) {
        for (const DateValue d : days)
            benchmark::DoNotOptimize(SolarToLunar(d));
    }
    PerItem(state);
}
BENCHMARK(BM_SolarToLunar10000)->Unit(benchmark::kMicrosecond);

void BM_LunarToSolar10000(benchmark::State& state) {
    const std::vector<LunarDate>& dates = RandomLunarDates();
    for (auto _ : state) {
        for (const LunarDate& d : dates)
            benchmark::DoNotOptimize(LunarToSolar(d));
    }
    PerItem(state);
}
BENCHMARK(BM_LunarToSolar10000)->Unit(benchmark::kMicrosecond);

// The lunar labels (lunar day, festival or solar term) of every day of a
// month, as the picker asks for them when it draws a month.
void BM_PickerMonthLabels(benchmark::State& state) {
    int month = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PickerMonthLabels(1901 + month / 12, 1 + month % 12));
        month = (month + 7) % (150 * 12);
    }
}
BENCHMARK(BM_PickerMonthLabels)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
