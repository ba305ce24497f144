#include "bench/BenchPlans.h"
#include "model/BreakdownCollector.h"
#include "model/Projection.h"
#include "model/YearBreakdown.h"
#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Calculate(benchmark::State& state) {
    const Plan plan = DrainedPlan(state.range(0));
    ProjectionTable table;
    for (auto _ : state) {
        Calculate(plan, table);
        benchmark::DoNotOptimize(table);
    }
    state.counters["rows"] = table.rowCount;
}
BENCHMARK(BM_Calculate)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The engine telling a collector every year, keeping one of them: what the Year Details
// pane asks for.
void BM_CalculateObserved(benchmark::State& state) {
    const Plan plan = DrainedPlan(state.range(0));
    ProjectionTable table;
    for (auto _ : state) {
        BreakdownCollector collector(2010);
        Calculate(plan, table, collector);
        benchmark::DoNotOptimize(collector.TakeYears());
    }
}
BENCHMARK(BM_CalculateObserved)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The whole breakdown, every item of every year kept: what explain --json prints.
void BM_ExplainProjection(benchmark::State& state) {
    const Plan plan = DrainedPlan(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ExplainProjection(plan));
}
BENCHMARK(BM_ExplainProjection)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ReadPlanFile(benchmark::State& state) {
    const std::string bytes = PlanFileBytes(DrainedPlan(state.range(0)));
    for (auto _ : state) {
        Plan plan;
        ReadPlanFile(bytes, plan);
        benchmark::DoNotOptimize(plan);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadPlanFile)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_WritePlanFile(benchmark::State& state) {
    const Plan plan = DrainedPlan(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanFileBytes(plan));
}
BENCHMARK(BM_WritePlanFile)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
