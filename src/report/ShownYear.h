#pragma once

#include "model/Breakdown.h"
#include "model/Plan.h"

#include <cstdint>
#include <optional>
#include <vector>

// Amounts shown in the money of currentYear at a yearly inflation rate.
struct TodaysMoneyBasis {
    float inflation = 0;
    std::int32_t currentYear = 0;
};

// One year's breakdown in the money it is shown in, with every sum the lines show. In today's
// money each figure is converted once and the rest derived, so the figures still add up as the
// engine's do: the row's four figures are the table's own (converted as the table converts
// them) and the parts of each sum are rounded up or down, the ones closest to the next unit
// first, until they make up that sum exactly. In the year's own money nothing changes.
struct ShownIncome {
    std::int64_t opening = 0;
    std::int64_t initial = 0;
    std::int64_t annual = 0;
    std::int64_t interest = 0;
    std::int64_t tax = 0;
    std::int64_t credited = 0;
    // After the year's credits, before its withdrawals: what Total Assets adds up.
    std::int64_t balance = 0;
    std::int64_t withdrawn = 0;
    std::int64_t closing = 0;
};

struct ShownExpense {
    std::int64_t initial = 0;
    std::int64_t annual = 0;
};

struct ShownDraw {
    std::int64_t gross = 0;
    std::int64_t taken = 0;
    std::int64_t withheld = 0;
    std::int64_t received = 0;
};

struct ShownYear {
    std::int64_t income = 0;
    std::int64_t totalAssets = 0;
    std::int64_t availableAssets = 0;
    std::int64_t withdrawals = 0;
    // The expenses, and the tax withheld on all withdrawals.
    std::int64_t spent = 0;
    std::int64_t withheld = 0;
    std::int64_t unpaid = 0;
    std::vector<ShownIncome> incomes;
    std::vector<ShownExpense> expenses;
    std::vector<ShownDraw> draws;
};

// Whether the item's balance counts in Available Assets and may be drawn on that year.
bool OpenForWithdrawal(const IncomeItem& item, std::int32_t year);

// Parts whose exact shown values are `exact`, rounded to whole units that add up to total
// exactly: each rounded down, then up by one in order of the largest fraction until the total
// is made. A total out of reach that way (figures clamped at the limits) is made up by the
// largest part.
std::vector<std::int64_t> Apportion(std::int64_t total, const std::vector<double>& exact);

ShownYear ShowYear(const YearBreakdown& year, const Plan& plan,
                   const std::optional<TodaysMoneyBasis>& todaysMoney);
