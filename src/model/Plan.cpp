#include "model/Plan.h"

#include <cassert>
#include <iterator>

Plan::Plan() {
    SetRetirementAge(kDefaultRetirementAge);
}

void Plan::Reset() {
    birthDate.Reset();
    SetRetirementAge(kDefaultRetirementAge);
    taxRateBefore = kDefaultTaxRate;
    taxRateAfter = kDefaultTaxRate;
    incomes.clear();
    expenses.clear();
}

void Plan::SetRetirementAge(std::int32_t age) {
    retirementAge = age;
    // An invalid birth date reads as -1; keep the sum inside 32 bits so that an
    // extreme age cannot overflow (the date is invalid either way).
    const std::int64_t year = std::int64_t{birthDate.GetYear()} + age;
    const bool fits = year >= INT32_MIN && year <= INT32_MAX;
    retirementDate.SetDate(fits ? static_cast<std::int32_t>(year) : -1, birthDate.GetMonth(),
                           birthDate.GetDay());
}

void Plan::InsertIncome(std::size_t index) {
    assert(index <= incomes.size());
    IncomeItem item;
    item.rateSwitchDate = retirementDate;
    item.withdrawalStart = retirementDate;
    incomes.insert(std::next(incomes.begin(), static_cast<std::ptrdiff_t>(index)), item);
}

void Plan::AppendIncome() {
    InsertIncome(incomes.size());
}

void Plan::EraseIncome(std::size_t index) {
    assert(index < incomes.size());
    incomes.erase(std::next(incomes.begin(), static_cast<std::ptrdiff_t>(index)));
}

void Plan::InsertExpense(std::size_t index) {
    assert(index <= expenses.size());
    expenses.insert(std::next(expenses.begin(), static_cast<std::ptrdiff_t>(index)), ExpenseItem{});
}

void Plan::AppendExpense() {
    InsertExpense(expenses.size());
}

void Plan::EraseExpense(std::size_t index) {
    assert(index < expenses.size());
    expenses.erase(std::next(expenses.begin(), static_cast<std::ptrdiff_t>(index)));
}

std::optional<std::int32_t> LastExpenseYear(const Plan& plan) {
    std::optional<std::int32_t> last;
    const auto count = [&last](const PlanDate& date) {
        if (date.IsValid() && (!last || date.GetYear() > *last))
            last = date.GetYear();
    };
    for (const ExpenseItem& item : plan.expenses) {
        if (item.initialAmount != 0)
            count(item.initialDate);
        if (item.annualAmount != 0 && item.annualStart.IsValid() &&
            item.annualStart.GetYear() <= item.annualEnd.GetYear())
            count(item.annualEnd);
    }
    return last;
}
