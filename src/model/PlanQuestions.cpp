#include "model/PlanQuestions.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace {

PlanDate FirstOfJanuary(std::int32_t year) {
    PlanDate date;
    date.SetDate(year, 1, 1);
    return date;
}

PlanDate LastOfDecember(std::int32_t year) {
    PlanDate date;
    date.SetDate(year, 12, 31);
    return date;
}

// An untaxed account, open for withdrawal from `open`, with a yearly amount from `from` to `to`.
IncomeItem& AddAccount(Plan& plan, const char* name, std::int32_t yearly, std::int32_t from,
                       std::int32_t to, std::int32_t open) {
    plan.AppendIncome();
    IncomeItem& item = plan.incomes.back();
    item.name = name;
    item.taxable = false;
    item.withdrawalTaxable = false;
    item.initialDate = FirstOfJanuary(from);
    item.annualAmount = yearly;
    item.annualStart = FirstOfJanuary(from);
    item.annualEnd = LastOfDecember(to);
    item.withdrawalStart = FirstOfJanuary(open);
    return item;
}

// A projection starts in the first year with a positive initial amount: without savings, the
// first year's pay becomes the item's initial amount and its yearly amount follows from the
// year after.
void StartWithFirstPayment(IncomeItem& item) {
    item.initialAmount = item.annualAmount;
    const std::int32_t next = item.annualStart.GetYear() + 1;
    item.annualStart = FirstOfJanuary(next);
    if (next > item.annualEnd.GetYear())
        item.annualAmount = 0;
}

// Any answer makes a year of 32 bits: outside the years of dates it stays outside them.
std::int32_t PlanYear(std::int64_t year) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(year, -1, 10000));
}

} // namespace

PlanAnswers DefaultPlanAnswers(std::int32_t currentYear) {
    PlanAnswers answers;
    answers.birthDate = FirstOfJanuary(currentYear - 40);
    answers.savings = 20000;
    answers.savingsInterest = 2.0f;
    answers.salary = 40000;
    answers.salaryGrowth = 2.0f;
    answers.livingCosts = 30000;
    answers.pension = 15000;
    return answers;
}

Plan PlanFromAnswers(const PlanAnswers& answers, std::int32_t currentYear) {
    Plan plan;
    plan.birthDate = answers.birthDate;
    plan.SetRetirementAge(answers.retirementAge);
    plan.taxRateBefore = 0.0f;
    plan.taxRateAfter = 0.0f;
    const std::int64_t birthYear = answers.birthDate.GetYear();
    const std::int32_t lastYear = PlanYear(birthYear + kQuestionsLastAge);
    const std::int64_t retirementYear = birthYear + answers.retirementAge;

    // The item whose first payment opens the projection when there are no savings.
    std::optional<std::size_t> firstPaid;
    if (answers.salary != 0 && retirementYear > currentYear) {
        AddAccount(plan, "Salary", answers.salary, currentYear, PlanYear(retirementYear - 1),
                   currentYear)
            .growthRate = answers.salaryGrowth;
        firstPaid = plan.incomes.size() - 1;
    }
    IncomeItem& savings = AddAccount(plan, "Savings", 0, currentYear, currentYear, currentYear);
    savings.initialAmount = answers.savings;
    savings.rateBefore = answers.savingsInterest;
    savings.rateAfter = answers.savingsInterest;
    if (answers.pension != 0) {
        const std::int32_t start =
            PlanYear(std::max<std::int64_t>(currentYear, birthYear + answers.pensionAge));
        AddAccount(plan, "Pension", answers.pension, start, lastYear, start);
        if (!firstPaid && start == currentYear)
            firstPaid = plan.incomes.size() - 1;
    }
    if (answers.savings <= 0 && firstPaid)
        StartWithFirstPayment(plan.incomes[*firstPaid]);

    plan.AppendExpense();
    ExpenseItem& costs = plan.expenses.back();
    costs.name = "Living costs";
    costs.initialDate = FirstOfJanuary(currentYear);
    costs.annualAmount = answers.livingCosts;
    costs.annualStart = FirstOfJanuary(currentYear);
    costs.annualEnd = LastOfDecember(lastYear);
    return plan;
}
