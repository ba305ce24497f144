#include "model/BreakdownCollector.h"
#include "model/Projection.h"
#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"

#include <benchmark/benchmark.h>

namespace {

PlanDate Year(std::int32_t year) {
    PlanDate date;
    date.SetDate(year, 1, 1);
    return date;
}

// n accounts, all open for withdrawal from the start, at assorted rates, and
// living costs that drain them over about forty years.
Plan DrainedPlan(std::int64_t n) {
    Plan plan;
    plan.birthDate = Year(1960);
    plan.SetRetirementAge(65);
    plan.taxRateBefore = 30.0f;
    plan.taxRateAfter = 20.0f;
    for (std::int64_t i = 0; i < n; ++i) {
        plan.AppendIncome();
        IncomeItem& item = plan.incomes.back();
        item.taxable = i % 3 == 0;
        item.initialAmount = 1000 + static_cast<std::int32_t>(i % 500);
        item.initialDate = Year(2000);
        item.annualAmount = 0;
        item.rateSwitchDate = Year(2000 + static_cast<std::int32_t>(i % 40));
        item.rateBefore = static_cast<float>(i % 11) * 0.5f;
        item.rateAfter = static_cast<float>(i % 7) * 0.25f;
        item.withdrawalTaxable = i % 2 == 0;
        item.withdrawalStart = Year(2000);
    }
    plan.AppendExpense();
    ExpenseItem& living = plan.expenses.back();
    living.annualAmount = static_cast<std::int32_t>(n * 1000 / 40);
    living.annualStart = Year(2000);
    living.annualEnd = Year(2099);
    living.growthRate = 2.0f;
    return plan;
}

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
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExplainProjection(plan));
    }
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
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlanFileBytes(plan));
    }
}
BENCHMARK(BM_WritePlanFile)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
