#include "bench/BenchPlans.h"
#include "model/WhatIf.h"

#include <benchmark/benchmark.h>

namespace {

// The What If pane's search for the largest spending that lasts to age 95, on 1 or 2 threads.
void BM_SustainableSpending(benchmark::State& state) {
    const Plan plan = DrainedPlan(state.range(0));
    const auto threads = static_cast<unsigned>(state.range(1));
    SustainableSpending found;
    for (auto _ : state) {
        found = FindSustainableSpending(plan, 95, {}, {}, threads);
        benchmark::DoNotOptimize(found);
    }
    state.counters["percent"] = found.percent;
}
BENCHMARK(BM_SustainableSpending)
    ->ArgsProduct({{10, 1000}, {1, 2}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The pane's 7 x 7 grid of horizons.
void BM_SensitivityGrid(benchmark::State& state) {
    const Plan plan = DrainedPlan(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(SensitivityGrid(plan));
}
BENCHMARK(BM_SensitivityGrid)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
