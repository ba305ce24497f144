#include "tests/support/ExamplePlans.h"

PlanDate MakeDate(std::int32_t year, std::int32_t month, std::int32_t day) {
    PlanDate date;
    date.SetDate(year, month, day);
    return date;
}

Plan ProjectionExamplePlan() {
    Plan plan;
    plan.birthDate = MakeDate(1948, 1, 1);
    plan.SetRetirementAge(55);
    plan.taxRateBefore = 30.0f;
    plan.taxRateAfter = 20.0f;

    plan.AppendIncome();
    IncomeItem& savings = plan.incomes.back();
    savings.name = "Savings";
    savings.taxable = false;
    savings.initialAmount = 1000;
    savings.initialDate = MakeDate(2000, 6, 15);
    savings.annualAmount = 0;
    savings.annualStart = MakeDate(2000, 1, 1);
    savings.annualEnd = MakeDate(2000, 1, 1);
    savings.growthRate = 0.0f;
    savings.rateSwitchDate = MakeDate(2002, 1, 1);
    savings.rateBefore = 5.9f;
    savings.rateAfter = 2.5f;
    savings.withdrawalTaxable = false;
    savings.withdrawalStart = MakeDate(2000, 1, 1);

    plan.AppendIncome();
    IncomeItem& pension = plan.incomes.back();
    pension.name = "Pension";
    pension.taxable = true;
    pension.initialAmount = 0;
    pension.initialDate = MakeDate(2000, 1, 1);
    pension.annualAmount = 1000;
    pension.annualStart = MakeDate(2000, 1, 1);
    pension.annualEnd = MakeDate(2001, 12, 31);
    pension.growthRate = 10.0f;
    pension.rateSwitchDate = MakeDate(2000, 1, 1);
    pension.rateBefore = 0.0f;
    pension.rateAfter = 4.0f;
    pension.withdrawalTaxable = true;
    pension.withdrawalStart = MakeDate(2002, 1, 1);

    plan.AppendExpense();
    ExpenseItem& rent = plan.expenses.back();
    rent.name = "Rent";
    rent.initialAmount = 0;
    rent.initialDate = MakeDate(2000, 1, 1);
    rent.annualAmount = 600;
    rent.annualStart = MakeDate(2001, 1, 1);
    rent.annualEnd = MakeDate(2099, 12, 31);
    rent.growthRate = 0.0f;
    return plan;
}

Plan FileExamplePlan() {
    Plan plan;
    plan.birthDate = MakeDate(1960, 3, 15);
    plan.SetRetirementAge(62);
    plan.taxRateBefore = 33.0f;
    plan.taxRateAfter = 25.5f;

    plan.AppendIncome();
    IncomeItem& savings = plan.incomes.back();
    savings.name = "Savings account";
    savings.taxable = true;
    savings.initialAmount = 10000;
    savings.initialDate = MakeDate(2000, 1, 1);
    savings.annualAmount = 1200;
    savings.annualStart = MakeDate(2000, 1, 1);
    savings.annualEnd = MakeDate(2021, 1, 1);
    savings.growthRate = 2.5f;
    savings.rateSwitchDate = MakeDate(2022, 3, 15);
    savings.rateBefore = 5.0f;
    savings.rateAfter = 3.5f;
    savings.withdrawalTaxable = false;
    savings.withdrawalStart = MakeDate(2022, 3, 15);

    plan.AppendExpense();
    ExpenseItem& living = plan.expenses.back();
    living.name = "Living costs";
    living.initialAmount = 0;
    living.initialDate = MakeDate(2000, 1, 1);
    living.annualAmount = 10000;
    living.annualStart = MakeDate(2022, 1, 1);
    living.annualEnd = MakeDate(2050, 12, 31);
    living.growthRate = 3.0f;
    return plan;
}

Plan CalculationLimitPlan() {
    Plan plan;
    plan.birthDate = MakeDate(1960, 1, 1);
    plan.SetRetirementAge(55);
    plan.AppendIncome();
    IncomeItem& savings = plan.incomes.back();
    savings.name = "Savings";
    savings.taxable = false;
    savings.initialAmount = 1000000;
    savings.initialDate = MakeDate(2024, 1, 1);
    savings.annualAmount = 0;
    savings.rateBefore = 60.0f;
    savings.rateAfter = 60.0f;
    savings.withdrawalTaxable = false;
    savings.withdrawalStart = MakeDate(2024, 1, 1);
    plan.AppendExpense();
    ExpenseItem& living = plan.expenses.back();
    living.name = "Living";
    living.initialAmount = 0;
    living.annualAmount = 1000;
    living.annualStart = MakeDate(2024, 1, 1);
    living.annualEnd = MakeDate(2123, 1, 1);
    living.growthRate = 0.0f;
    return plan;
}

Plan DrawdownPlan() {
    Plan plan;
    plan.birthDate = MakeDate(1950, 1, 1);
    plan.AppendIncome();
    IncomeItem& savings = plan.incomes.back();
    savings.taxable = false;
    savings.initialAmount = 1000;
    savings.initialDate = MakeDate(2000, 1, 1);
    savings.annualAmount = 0;
    savings.rateBefore = 0.0f;
    savings.rateAfter = 0.0f;
    savings.withdrawalTaxable = false;
    savings.withdrawalStart = MakeDate(2000, 1, 1);
    plan.AppendExpense();
    ExpenseItem& living = plan.expenses.back();
    living.initialAmount = 0;
    living.annualAmount = 100;
    living.annualStart = MakeDate(2000, 1, 1);
    living.annualEnd = MakeDate(2099, 1, 1);
    living.growthRate = 0.0f;
    return plan;
}
