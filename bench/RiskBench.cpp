#include "bench/BenchPlans.h"
#include "model/Risk.h"

#include <benchmark/benchmark.h>

namespace {

// The Risk pane's run: paths of a plan of n items on the given number of threads.
void BM_RunRisk(benchmark::State& state) {
    const Plan plan = DrainedPlan(state.range(0));
    RiskSettings settings;
    settings.paths = static_cast<std::int32_t>(state.range(1));
    RiskSummary summary;
    for (auto _ : state) {
        summary = RunRisk(plan, settings, {}, {}, static_cast<unsigned>(state.range(2)));
        benchmark::DoNotOptimize(summary);
    }
    state.counters["successes"] = summary.successes;
    state.counters["years"] = static_cast<double>(summary.years.size());
}
// {items, paths, threads}: the household of ten accounts at 10,000 paths, a plan of 100 items
// at 1,000, each on one thread and on two.
BENCHMARK(BM_RunRisk)
    ->Args({10, 10000, 1})
    ->Args({10, 10000, 2})
    ->Args({100, 1000, 1})
    ->Args({100, 1000, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
