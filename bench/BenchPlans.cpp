#include "bench/BenchPlans.h"

namespace {

PlanDate Year(std::int32_t year) {
    PlanDate date;
    date.SetDate(year, 1, 1);
    return date;
}

} // namespace

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
