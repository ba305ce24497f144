#include "tests/model/RandomPlans.h"

#include "tests/support/ExamplePlans.h"

namespace {

struct Draw {
    std::mt19937& random;
    const RandomPlanShape& shape;

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool Flag() { return Int(0, 1) == 1; }
    std::int32_t Amount() {
        // Mostly positive, sometimes zero or negative, as users enter them.
        const int kind = Int(0, 9);
        const std::int32_t size =
            std::uniform_int_distribution<std::int32_t>(0, shape.maxAmount)(random);
        return kind == 0 ? 0 : kind == 1 ? -size / 10 : size;
    }
    float Rate() {
        const int kind = Int(0, 5);
        if (kind == 0)
            return static_cast<float>(Int(0, 5)); // exact ties
        return std::uniform_real_distribution<float>(-shape.maxRate / 4, shape.maxRate)(random);
    }
    PlanDate Date() {
        return Int(0, 30) == 0 ? MakeDate(-1, -1, -1)
                               : MakeDate(Int(1995, 2040), 1 + Int(0, 11), 1 + Int(0, 27));
    }
};

} // namespace

Plan RandomPlan(std::mt19937& random, const RandomPlanShape& shape) {
    Draw draw{random, shape};
    Plan plan;
    plan.birthDate = MakeDate(draw.Int(1950, 1990), 1 + draw.Int(0, 11), 1 + draw.Int(0, 27));
    plan.SetRetirementAge(draw.Int(40, 70));
    plan.taxRateBefore = std::uniform_real_distribution<float>(0.0f, 50.0f)(random);
    plan.taxRateAfter = std::uniform_real_distribution<float>(0.0f, 50.0f)(random);
    for (int i = draw.Int(0, shape.maxIncomes); i > 0; --i) {
        plan.AppendIncome();
        IncomeItem& item = plan.incomes.back();
        item.taxable = draw.Flag();
        item.initialAmount = draw.Amount();
        item.initialDate = draw.Date();
        item.annualAmount = draw.Amount() / 10;
        item.annualStart = draw.Date();
        item.annualEnd = draw.Date();
        item.growthRate = draw.Rate() / 2;
        item.rateSwitchDate = draw.Date();
        item.rateBefore = draw.Rate();
        item.rateAfter = draw.Rate();
        item.withdrawalTaxable = draw.Flag();
        item.withdrawalStart = draw.Date();
    }
    for (int i = draw.Int(0, shape.maxExpenses); i > 0; --i) {
        plan.AppendExpense();
        ExpenseItem& item = plan.expenses.back();
        item.initialAmount = draw.Amount() / 2;
        item.initialDate = draw.Date();
        item.annualAmount = draw.Amount() / 20;
        item.annualStart = draw.Date();
        item.annualEnd = draw.Date();
        item.growthRate = draw.Rate() / 3;
    }
    return plan;
}
