#pragma once

#include "model/ProjectionTable.h"

#include <cstddef>
#include <cstdint>

// What the projection did with one income item in one year, before withdrawals.
struct IncomeCredit {
    std::size_t item = 0;
    // The balance at the start of the year.
    std::int32_t opening = 0;
    // The initial amount credited this year, else 0.
    std::int32_t initial = 0;
    // The grown annual amount credited this year, else 0.
    std::int32_t annual = 0;
    // The whole-percent rate that the interest was worked out at.
    std::int32_t interestRate = 0;
    std::int32_t interest = 0;
    // The credit before income tax: initial + annual + interest.
    std::int32_t beforeTax = 0;
    // What reached the balance after income tax.
    std::int32_t credited = 0;
    // The balance after the credit.
    std::int32_t balance = 0;
};

// What one expense item cost in one year, in the plan's sign.
struct ExpenseCharge {
    std::size_t item = 0;
    std::int32_t initial = 0;
    std::int32_t annual = 0;
};

// One withdrawal, in the order the year made them.
struct Withdrawal {
    std::size_t item = 0;
    // The whole-percent withdrawal tax rate; 0 when the item's withdrawals are untaxed.
    std::int32_t taxRate = 0;
    std::int32_t gross = 0;
    std::int32_t taken = 0;
    std::int32_t received = 0;
    // The item's balance after the withdrawal.
    std::int32_t balance = 0;
};

// Told by the projection, as it runs, what it does in each year. A year whose amounts
// leave the 32-bit range begins but never ends: its events are to be dropped.
class ProjectionObserver {
public:
    virtual ~ProjectionObserver() = default;

    virtual void BeginYear(std::int32_t year) = 0;
    // Every income item, in list order.
    virtual void OnIncomeCredit(const IncomeCredit& credit) = 0;
    // Every expense item, in list order, after the incomes.
    virtual void OnExpenseCharge(const ExpenseCharge& charge) = 0;
    virtual void OnWithdrawal(const Withdrawal& withdrawal) = 0;
    // The year's row as stored; unpaid is what was still needed when the year ended
    // uncovered, else 0.
    virtual void EndYear(const ProjectionRow& row, bool covered, std::int32_t unpaid) = 0;
};
