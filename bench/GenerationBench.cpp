// Candidate-name generation on the real reference tables, end to end: each
// of the 25 statements opened on the generation query object and 200 grid
// rows filled from its result, without element conditions ("plain") and with
// the conditions of a chart lacking 木, 火 and 土 ("filtered"); and the whole
// "马上起名" command for each name length (birth checks, chart, suffix
// lookups, statement, grid).
//
//   generation_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <string>

#include "data/Database.h"
#include "naming/Generation.h"
#include "naming/GenerationRun.h"
#include "naming/ResultsGrid.h"

using namespace quillora;

namespace {

const FixedFields kFixed = {"九", "万", "珠", "宝"};

void Statement(benchmark::State& state, const GenerationStatement* s, bool filtered) {
    PreparedGeneration p;
    p.statement = s;
    p.keys = GenerationKeys(*s, kFixed);
    GenerationState gs;
    if (filtered) {
        const ElementFilterResult f = ElementFilter("木火土", s->length);
        gs.MissingWuhang = f.kept;
        gs.WuhangFilter = f.filter;
    }
    gs.NameEndBh = gs.AffixBh = 31;
    gs.NameEndFt = "珠寶";
    p.sql = WrapWithElementFilter(s->sql, gs.WuhangFilter);
    QueryObject adoComDS(kGenerationTimeout);
    ResultGrid grid;
    long long rows = 0;
    for (auto _ : state) {
        OpenGeneration(p, adoComDS, gs);
        ShowCandidates(adoComDS, gs, "", "珠宝", grid);
        rows += adoComDS.RecordCount();
        benchmark::DoNotOptimize(grid.Cell(1, kColScore));
    }
    state.counters["rows"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}

void WholeRun(benchmark::State& state) {
    GenerationRequest r;
    r.person.name = "张三";
    r.person.sex = "男";
    r.person.year = "1971";
    r.person.month = "12";
    r.person.day = "13";
    r.person.hour = "子 0";
    r.person.minute = "0";
    r.lengthIndex = static_cast<int>(state.range(0)) - 2;
    r.suffix = "珠宝";
    QueryObject adoTem(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    QueryObject adoComDS(kGenerationTimeout);
    GenerationState gs;
    ResultGrid grid;
    for (auto _ : state) {
        const PreparedGeneration p = PrepareGeneration(r, gs, adoTem);
        OpenGeneration(p, adoComDS, gs);
        ShowCandidates(adoComDS, gs, "", "珠宝", grid);
        benchmark::DoNotOptimize(grid.Cell(1, kColScore));
    }
}

const bool kRegistered = [] {
    SeedRandom(1);
    for (const GenerationStatement& s : GenerationStatements()) {
        for (const bool filtered : {false, true}) {
            benchmark::RegisterBenchmark(
                (std::string("Generation/") + s.label + (filtered ? "/filtered" : "/plain"))
                    .c_str(),
                Statement, &s, filtered)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
    }
    benchmark::RegisterBenchmark("GenerationRun/length", WholeRun)
        ->Arg(2)
        ->Arg(3)
        ->Arg(4)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
