// The brand-name analysis report end to end on the built reference
// databases: checks, birth record, chart, the three grids and the score.
#include <benchmark/benchmark.h>

#include "data/Database.h"
#include "data/QueryObject.h"
#include "naming/NameAnalysis.h"

using namespace quillora;

namespace {

void AnalyseReport(benchmark::State& state, const char* mainName, const char* suffix) {
    QueryObject strokes(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    QueryObject readings(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    BrandNameView view;
    view.birth.name = "张三";
    view.birth.sex = "男";
    view.birth.year = "1980";
    view.birth.month = "1";
    view.birth.day = "1";
    view.birth.hour = "子 0";
    view.birth.minute = "0";
    view.mainName = mainName;
    view.suffix = suffix;
    std::size_t lines = 0;
    view.appendLine = [&](const std::string&) { ++lines; };
    view.strokes = &strokes;
    view.readings = &readings;
    for (auto _ : state) {
        if (!AnalyseBrandName(view))
            state.SkipWithError("the checks failed");
    }
    state.counters["lines"] = static_cast<double>(lines) / static_cast<double>(state.iterations());
}

void BM_AnalyseTwoCharactersWithSuffix(benchmark::State& state) {
    AnalyseReport(state, "九万", "珠宝");
}
void BM_AnalyseFourCharactersWithoutSuffix(benchmark::State& state) {
    AnalyseReport(state, "九万珠宝", "");
}

}  // namespace

BENCHMARK(BM_AnalyseTwoCharactersWithSuffix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalyseFourCharactersWithoutSuffix)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
