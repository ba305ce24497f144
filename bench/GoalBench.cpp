#include "model/Goal.h"
#include "persist/PlanFileOpen.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// The shipped household example, as the speed of the goal is promised for it.
Plan Household() {
    Plan plan;
    OpenPlanFile(std::filesystem::path(ORBELAN_EXAMPLES_DIR) / "household.Orbe", plan);
    return plan;
}

RiskSettings Paths(std::int64_t paths) {
    RiskSettings settings;
    settings.paths = static_cast<std::int32_t>(paths);
    return settings;
}

// One risk run of the household's paths: what the goal over the same paths is set beside.
void BM_HouseholdRisk(benchmark::State& state) {
    const Plan plan = Household();
    const RiskSettings settings = Paths(state.range(0));
    RiskSummary summary;
    for (auto _ : state) {
        summary = RunRisk(plan, settings, {}, {}, static_cast<unsigned>(state.range(1)));
        benchmark::DoNotOptimize(summary);
    }
    state.counters["successes"] = summary.successes;
}

// The goal at 90 % over the same paths: the spending found and the age at planned expenses.
void BM_HouseholdGoal(benchmark::State& state) {
    const Plan plan = Household();
    GoalSettings settings;
    settings.risk = Paths(state.range(0));
    GoalAnswer answer;
    for (auto _ : state) {
        answer = RunGoal(plan, settings, {}, {}, static_cast<unsigned>(state.range(1)));
        benchmark::DoNotOptimize(answer);
    }
    state.counters["spending"] = answer.spending.value_or(-1);
    state.counters["lastsToAge"] = answer.lastsToAge;
}

// {paths, threads}: the promise is for 10,000 paths beside risk, and 1,000 on this machine's
// two cores.
BENCHMARK(BM_HouseholdRisk)
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->Args({1000, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_HouseholdGoal)
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->Args({1000, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
