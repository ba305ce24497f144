#include "model/Projection.h"

#include "model/ProjectionArithmetic.h"

#include <limits>
#include <new>
#include <span>

namespace {

constexpr std::int32_t kNoFirstYear = std::numeric_limits<std::int32_t>::max();

struct YearFlows {
    std::int32_t income = 0;
    // Minus the year's expenses, later lowered by the tax withheld on withdrawals.
    std::int32_t outgo = 0;
};

float TaxRate(const Plan& plan, std::int32_t year) {
    return year < plan.retirementDate.GetYear() ? plan.taxRateBefore : plan.taxRateAfter;
}

bool InYearRange(const PlanDate& start, const PlanDate& end, std::int32_t year) {
    return start.GetYear() <= year && year <= end.GetYear();
}

// Credits the year's inflows to the balances. False when an amount leaves 32 bits.
bool AddYearFlows(const Plan& plan, std::int32_t year, std::span<std::int32_t> balances,
                  YearFlows& flows) {
    Money income = 0;
    for (std::size_t i = 0; i < plan.incomes.size(); ++i) {
        const IncomeItem& item = plan.incomes[i];
        Money credit = item.initialDate.GetYear() == year ? item.initialAmount : 0;
        if (InYearRange(item.annualStart, item.annualEnd, year)) {
            credit = AddMoney(credit, Compound(item.annualAmount, item.growthRate,
                                               year - item.annualStart.GetYear()));
        }
        const Money base = AddMoney(balances[i], credit);
        if (!base) {
            return false;
        }
        credit = AddMoney(credit, Interest(*base, WholePercent(CurrentInterestRate(item, year))));
        if (credit && item.taxable) {
            credit = Compound(*credit, -TaxRate(plan, year), 1);
        }
        const Money balance = AddMoney(balances[i], credit);
        income = AddMoney(income, credit);
        if (!balance || !income) {
            return false;
        }
        balances[i] = *balance;
    }
    Money outgo = 0;
    for (const ExpenseItem& item : plan.expenses) {
        if (item.initialDate.GetYear() == year) {
            outgo = SubtractMoney(outgo, item.initialAmount);
        }
        if (InYearRange(item.annualStart, item.annualEnd, year)) {
            outgo = SubtractMoney(outgo, Compound(item.annualAmount, item.growthRate,
                                                  year - item.annualStart.GetYear()));
        }
    }
    if (!outgo) {
        return false;
    }
    flows = {*income, *outgo};
    return true;
}

// Pays the year's expenses by withdrawals. False when an amount leaves 32 bits.
bool CoverShortfall(const Plan& plan, std::int32_t year, std::int32_t& outgo,
                    std::span<std::int32_t> balances, WithdrawalChooser& chooser, bool& covered) {
    Money need = SubtractMoney(0, outgo);
    if (!need) {
        return false;
    }
    covered = true;
    if (*need == 0) {
        return true;
    }
    chooser.BeginYear(year);
    do {
        const std::int32_t k = chooser.FindWithdrawalItem(balances);
        if (k == -1) {
            covered = false;
            return true;
        }
        const IncomeItem& item = plan.incomes[static_cast<std::size_t>(k)];
        std::int32_t& balance = balances[static_cast<std::size_t>(k)];
        const float w = item.withdrawalTaxable ? WholePercent(TaxRate(plan, year)) : 0.0f;
        const Money gross = item.withdrawalTaxable ? Discount(*need, -w, 1) : need;
        if (!gross) {
            return false;
        }
        if (*gross == 0 && *need > 0) {
            // The tax factor is so large that nothing can be drawn: the rest stays unpaid.
            covered = false;
            return true;
        }
        const std::int32_t take = balance < *gross ? balance : *gross;
        const Money remaining = SubtractMoney(balance, take);
        const Money received = Compound(take, -w, 1);
        const Money newOutgo = AddMoney(outgo, SubtractMoney(received, take));
        need = SubtractMoney(need, received);
        if (!remaining || !newOutgo || !need) {
            return false;
        }
        balance = *remaining;
        outgo = *newOutgo;
    } while (*need > 0);
    return true;
}

// The balances after the year's inflows: all of them, and those open for
// withdrawal. False when a sum leaves 32 bits.
bool SumAssets(const Plan& plan, std::int32_t year, std::span<const std::int32_t> balances,
               ProjectionRow& row) {
    Money total = 0;
    Money available = 0;
    for (std::size_t i = 0; i < balances.size(); ++i) {
        total = AddMoney(total, balances[i]);
        if (year >= plan.incomes[i].withdrawalStart.GetYear()) {
            available = AddMoney(available, balances[i]);
        }
    }
    if (!total || !available) {
        return false;
    }
    row.totalAssets = *total;
    row.availableAssets = *available;
    return true;
}

} // namespace

std::int32_t FirstProjectionYear(const Plan& plan) {
    std::int32_t first = kNoFirstYear;
    for (const IncomeItem& item : plan.incomes) {
        const std::int32_t year = item.initialDate.GetYear();
        if (year < first && item.initialAmount > 0) {
            first = year;
        }
    }
    return first == kNoFirstYear ? 0 : first;
}

ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table,
                            std::pmr::memory_resource* memory) {
    OrderedWithdrawalChooser chooser;
    return Calculate(plan, table, chooser, memory);
}

ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table, WithdrawalChooser& chooser,
                            std::pmr::memory_resource* memory) {
    // Everything is allocated before the table is touched, so a failure leaves
    // the previous results in place.
    std::pmr::vector<std::int32_t> balances(memory);
    try {
        balances.assign(plan.incomes.size(), 0);
        chooser.Reserve(plan, memory);
    } catch (const std::bad_alloc&) {
        return {ProjectionStatus::AllocationFailed, 0};
    }

    table = ProjectionTable{};
    const std::int32_t firstYear = FirstProjectionYear(plan);
    table.firstYear = firstYear;

    std::int32_t year = firstYear;
    std::size_t r = 0;
    bool covered = true;
    for (;;) {
        ProjectionRow& row = table.rows[r];
        YearFlows flows;
        const bool inRange = AddYearFlows(plan, year, balances, flows) &&
                             SumAssets(plan, year, balances, row) &&
                             CoverShortfall(plan, year, flows.outgo, balances, chooser, covered);
        if (!inRange) {
            row = ProjectionRow{};
            table.rowCount = year - firstYear;
            return {ProjectionStatus::AmountOutOfRange, year};
        }
        row.income = flows.income;
        row.withdrawals = flows.outgo;
        ++year;
        if (year >= firstYear + ProjectionTable::kMaxRows || !covered) {
            break;
        }
        ++r;
    }
    table.rowCount = year - firstYear;
    return {ProjectionStatus::Completed, 0, covered};
}
