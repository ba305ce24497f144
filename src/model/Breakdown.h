#pragma once

#include "model/ProjectionTable.h"

#include <cstdint>
#include <vector>

// The records of how a projection came about; the collector fills them and YearBreakdown.h
// runs the projection that does so, so both include this and not each other.

// One income item in one year, from its opening to its closing balance.
struct IncomeBreakdown {
    std::int32_t item = 0;
    std::int32_t opening = 0;
    std::int32_t initial = 0;
    std::int32_t annual = 0;
    std::int32_t interestRate = 0;
    std::int32_t interest = 0;
    // What income tax took of the year's credit. Wider than money: the difference of
    // two amounts need not fit 32 bits when a tax rate exceeds 100 %.
    std::int64_t tax = 0;
    std::int32_t credited = 0;
    std::int32_t withdrawn = 0;
    std::int32_t closing = 0;

    bool operator==(const IncomeBreakdown& other) const = default;
};

struct ExpenseBreakdown {
    std::int32_t item = 0;
    std::int32_t initial = 0;
    std::int32_t annual = 0;

    bool operator==(const ExpenseBreakdown& other) const = default;
};

struct DrawBreakdown {
    std::int32_t item = 0;
    std::int32_t taxRate = 0;
    std::int32_t gross = 0;
    std::int32_t taken = 0;
    std::int32_t received = 0;

    // The tax withheld: what was taken and did not arrive.
    std::int64_t Withheld() const { return std::int64_t{taken} - received; }

    bool operator==(const DrawBreakdown& other) const = default;
};

// How one row of the projection came about, item by item.
struct YearBreakdown {
    std::int32_t year = 0;
    ProjectionRow row;
    bool covered = true;
    std::int32_t unpaid = 0;
    // The projection stopped after this year: the next one's amounts leave 32 bits.
    bool lastBeforeLimit = false;
    std::vector<IncomeBreakdown> incomes;
    std::vector<ExpenseBreakdown> expenses;
    std::vector<DrawBreakdown> draws;

    bool operator==(const YearBreakdown& other) const = default;
};
