#include "model/Projection.h"

#include "model/ProjectionArithmetic.h"
#include "model/ProjectionObserver.h"

#include <cmath>
#include <limits>
#include <new>
#include <span>
#include <type_traits>

namespace {

constexpr std::int32_t kNoFirstYear = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kNoLastYear = std::numeric_limits<std::int32_t>::max();

// The run without an observer. Every report is behind `if constexpr`, so this run
// compiles to the engine without any reporting and costs exactly what it did.
struct Unobserved {};

template <typename Observer> constexpr bool kObserved = !std::is_same_v<Observer, Unobserved>;

// A whole-percent rate as an integer for the report; rates too large for 32 bits
// show as the nearest end of the range, NaN as 0.
std::int32_t ReportedRate(float wholePercent) {
    if (std::isnan(wholePercent))
        return 0;
    constexpr float kLimit = 2147483648.0f;
    if (wholePercent >= kLimit)
        return std::numeric_limits<std::int32_t>::max();
    if (wholePercent < -kLimit)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(wholePercent);
}

struct YearFlows {
    std::int32_t income = 0;
    // Minus the year's expenses, later lowered by the tax withheld on withdrawals.
    std::int32_t outgo = 0;
};

bool InYearRange(const PlanDate& start, const PlanDate& end, std::int32_t year) {
    return start.GetYear() <= year && year <= end.GetYear();
}

// Credits the year's inflows to the balances. False when an amount leaves 32 bits.
template <typename Observer>
bool AddYearFlows(const Plan& plan, std::int32_t year, std::int32_t returnsMove,
                  std::span<std::int32_t> balances, YearFlows& flows, Observer& observer) {
    Money income = 0;
    for (std::size_t i = 0; i < plan.incomes.size(); ++i) {
        const IncomeItem& item = plan.incomes[i];
        const std::int32_t initial = item.initialDate.GetYear() == year ? item.initialAmount : 0;
        Money credit = initial;
        Money annual = 0;
        if (InYearRange(item.annualStart, item.annualEnd, year)) {
            annual =
                Compound(item.annualAmount, item.growthRate, year - item.annualStart.GetYear());
            credit = AddMoney(credit, annual);
        }
        const Money base = AddMoney(balances[i], credit);
        if (!base)
            return false;
        const float rate = WholePercent(MovedRate(CurrentInterestRate(item, year), returnsMove));
        const Money interest = Interest(*base, rate);
        credit = AddMoney(credit, interest);
        const Money beforeTax = credit;
        if (credit && item.taxable)
            credit = Compound(*credit, -TaxRateInYear(plan, year), 1);
        const Money balance = AddMoney(balances[i], credit);
        income = AddMoney(income, credit);
        if (!balance || !income)
            return false;
        if constexpr (kObserved<Observer>) {
            observer.OnIncomeCredit({.item = i,
                                     .opening = balances[i],
                                     .initial = initial,
                                     .annual = *annual,
                                     .interestRate = ReportedRate(rate),
                                     .interest = *interest,
                                     .beforeTax = *beforeTax,
                                     .credited = *credit,
                                     .balance = *balance});
        }
        balances[i] = *balance;
    }
    Money outgo = 0;
    for (std::size_t e = 0; e < plan.expenses.size(); ++e) {
        const ExpenseItem& item = plan.expenses[e];
        const bool initialThisYear = item.initialDate.GetYear() == year;
        if (initialThisYear)
            outgo = SubtractMoney(outgo, item.initialAmount);
        Money annual = 0;
        if (InYearRange(item.annualStart, item.annualEnd, year)) {
            annual =
                Compound(item.annualAmount, item.growthRate, year - item.annualStart.GetYear());
            outgo = SubtractMoney(outgo, annual);
        }
        if constexpr (kObserved<Observer>) {
            if (!annual)
                return false;
            observer.OnExpenseCharge({.item = e,
                                      .initial = initialThisYear ? item.initialAmount : 0,
                                      .annual = *annual});
        }
    }
    if (!outgo)
        return false;
    flows = {*income, *outgo};
    return true;
}

// Pays the year's expenses by withdrawals; what stays unpaid goes to unpaid. False when
// an amount leaves 32 bits.
template <typename Observer>
bool CoverShortfall(const Plan& plan, std::int32_t year, std::int32_t returnsMove,
                    std::int32_t& outgo, std::span<std::int32_t> balances,
                    WithdrawalChooser& chooser, bool& covered, std::int32_t& unpaid,
                    Observer& observer) {
    Money need = SubtractMoney(0, outgo);
    if (!need)
        return false;
    covered = true;
    if (*need == 0)
        return true;
    chooser.BeginYear(year, returnsMove);
    do {
        const std::int32_t k = chooser.FindWithdrawalItem(balances);
        if (k == -1) {
            covered = false;
            unpaid = *need;
            return true;
        }
        const IncomeItem& item = plan.incomes[static_cast<std::size_t>(k)];
        std::int32_t& balance = balances[static_cast<std::size_t>(k)];
        const float w = item.withdrawalTaxable ? WholePercent(TaxRateInYear(plan, year)) : 0.0f;
        const Money gross = item.withdrawalTaxable ? Discount(*need, -w, 1) : need;
        if (!gross)
            return false;
        if (*gross == 0 && *need > 0) {
            // The tax factor is so large that nothing can be drawn: the rest stays unpaid.
            covered = false;
            unpaid = *need;
            return true;
        }
        const std::int32_t take = balance < *gross ? balance : *gross;
        const Money remaining = SubtractMoney(balance, take);
        const Money received = Compound(take, -w, 1);
        const Money newOutgo = AddMoney(outgo, SubtractMoney(received, take));
        need = SubtractMoney(need, received);
        if (!remaining || !newOutgo || !need)
            return false;
        if constexpr (kObserved<Observer>) {
            observer.OnWithdrawal({.item = static_cast<std::size_t>(k),
                                   .taxRate = ReportedRate(w),
                                   .gross = *gross,
                                   .taken = take,
                                   .received = *received,
                                   .balance = *remaining});
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
        if (year >= plan.incomes[i].withdrawalStart.GetYear())
            available = AddMoney(available, balances[i]);
    }
    if (!total || !available)
        return false;
    row.totalAssets = *total;
    row.availableAssets = *available;
    return true;
}

// The one projection, with or without an observer, with or without moved returns.
template <typename Observer>
ProjectionOutcome Run(const Plan& plan, ProjectionTable& table, WithdrawalChooser& chooser,
                      Observer& observer, const ReturnOffsets* returnOffsets, WorkingMemory* memory,
                      std::int32_t lastYear = kNoLastYear) {
    // Everything is allocated before the table is touched, so a failure leaves
    // the previous results in place.
    WorkingVector<std::int32_t> balances{WorkingAllocator<std::int32_t>(memory)};
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
        if constexpr (kObserved<Observer>)
            observer.BeginYear(year);
        ProjectionRow& row = table.rows[r];
        YearFlows flows;
        std::int32_t unpaid = 0;
        const std::int32_t move = returnOffsets ? (*returnOffsets)[r] : 0;
        const bool inRange = AddYearFlows(plan, year, move, balances, flows, observer) &&
                             SumAssets(plan, year, balances, row) &&
                             CoverShortfall(plan, year, move, flows.outgo, balances, chooser,
                                            covered, unpaid, observer);
        if (!inRange) {
            row = ProjectionRow{};
            table.rowCount = year - firstYear;
            return {ProjectionStatus::AmountOutOfRange, year};
        }
        row.income = flows.income;
        row.withdrawals = flows.outgo;
        if constexpr (kObserved<Observer>)
            observer.EndYear(row, covered, unpaid);
        ++year;
        if (year >= firstYear + ProjectionTable::kMaxRows || year > lastYear || !covered)
            break;
        ++r;
    }
    table.rowCount = year - firstYear;
    return {ProjectionStatus::Completed, 0, covered};
}

} // namespace

std::int32_t FirstProjectionYear(const Plan& plan) {
    std::int32_t first = kNoFirstYear;
    for (const IncomeItem& item : plan.incomes) {
        const std::int32_t year = item.initialDate.GetYear();
        if (year < first && item.initialAmount > 0)
            first = year;
    }
    return first == kNoFirstYear ? 0 : first;
}

ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table, WorkingMemory* memory) {
    OrderedWithdrawalChooser chooser;
    Unobserved unobserved;
    return Run(plan, table, chooser, unobserved, nullptr, memory);
}

ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table, WithdrawalChooser& chooser,
                            WorkingMemory* memory) {
    Unobserved unobserved;
    return Run(plan, table, chooser, unobserved, nullptr, memory);
}

ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table, ProjectionObserver& observer,
                            WorkingMemory* memory) {
    OrderedWithdrawalChooser chooser;
    return Run(plan, table, chooser, observer, nullptr, memory);
}

ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table,
                            const ReturnOffsets& returnOffsets) {
    OrderedWithdrawalChooser chooser;
    Unobserved unobserved;
    return Run(plan, table, chooser, unobserved, &returnOffsets, HeapWorkingMemory());
}

ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table,
                            const ReturnOffsets& returnOffsets, ProjectionObserver& observer) {
    OrderedWithdrawalChooser chooser;
    return Run(plan, table, chooser, observer, &returnOffsets, HeapWorkingMemory());
}

ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table,
                            const ReturnOffsets& returnOffsets, std::int32_t lastYear) {
    OrderedWithdrawalChooser chooser;
    Unobserved unobserved;
    return Run(plan, table, chooser, unobserved, &returnOffsets, HeapWorkingMemory(), lastYear);
}
