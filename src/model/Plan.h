#pragma once

#include "model/PlanDate.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What income and expense items share: a name, an amount once on a date, and an amount
// every year from its start to its end, growing at a rate.
struct ScheduledAmounts {
    std::string name;
    std::int32_t initialAmount = 0;
    PlanDate initialDate;
    std::int32_t annualAmount = 0;
    PlanDate annualStart;
    PlanDate annualEnd;
    float growthRate = 0.0f;

    bool operator==(const ScheduledAmounts& other) const = default;
};

// One income source or account: a salary, a pension, a savings account.
struct IncomeItem : ScheduledAmounts {
    bool taxable = true;
    PlanDate rateSwitchDate;
    float rateBefore = 0.0f;
    float rateAfter = 0.0f;
    bool withdrawalTaxable = true;
    PlanDate withdrawalStart;

    bool operator==(const IncomeItem& other) const = default;
};

struct ExpenseItem : ScheduledAmounts {
    bool operator==(const ExpenseItem& other) const = default;
};

// The age that a plan's money is asked to last to when no other is given, and the largest
// age it can be asked to last to.
inline constexpr std::int32_t kDefaultUntilAge = 95;
inline constexpr std::int32_t kMaxUntilAge = 1000;

// The household plan: general data and the two item lists. The order of the
// income items matters to the projection.
class Plan {
public:
    static constexpr std::int32_t kDefaultRetirementAge = 55;
    static constexpr float kDefaultTaxRate = 33.0f;

    Plan();

    void Reset();
    // Stores the age and derives retirementDate from birthDate.
    void SetRetirementAge(std::int32_t age);

    void InsertIncome(std::size_t index);
    void AppendIncome();
    void EraseIncome(std::size_t index);
    void InsertExpense(std::size_t index);
    void AppendExpense();
    void EraseExpense(std::size_t index);

    bool operator==(const Plan& other) const = default;

    PlanDate birthDate;
    std::int32_t retirementAge = kDefaultRetirementAge;
    PlanDate retirementDate;
    float taxRateBefore = kDefaultTaxRate;
    float taxRateAfter = kDefaultTaxRate;
    std::vector<IncomeItem> incomes;
    std::vector<ExpenseItem> expenses;
};

// The last year the projection counts an expense in, as the engine counts amounts: an initial
// amount's year, an annual amount's last year; empty for a plan without one.
std::optional<std::int32_t> LastExpenseYear(const Plan& plan);
