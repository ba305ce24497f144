#include "bench/BenchPlans.h"
#include "model/Risk.h"
#include "model/Scenarios.h"
#include "model/WhatIf.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// orbelan-cli compare: four variants of the ten-account household at 10,000 paths, each with
// its sustainable spending; to set beside one risk run of the same plan (BM_RunRisk/10/10000).
void BM_CompareScenarios(benchmark::State& state) {
    const Plan plan = DrainedPlan(10);
    const std::vector<Plan> plans{plan, *PlanVariant(plan, 90, 0), *PlanVariant(plan, 110, 0),
                                  ReturnsMovedBy(plan, -1)};
    RiskSettings settings;
    settings.paths = 10000;
    ScenarioComparison comparison;
    for (auto _ : state) {
        comparison =
            CompareScenarios(plans, settings, {}, {}, static_cast<unsigned>(state.range(0)));
        benchmark::DoNotOptimize(comparison);
    }
    state.counters["pairs"] = static_cast<double>(comparison.pairs.size());
}
BENCHMARK(BM_CompareScenarios)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
