#include "model/WhatIf.h"

#include "model/ProjectionArithmetic.h"
#include "model/WorkerThreads.h"

#include <atomic>
#include <new>

namespace {

bool ScaleAmount(std::int32_t& amount, float rate) {
    const Money scaled = Compound(amount, rate, 1);
    if (!scaled)
        return false;
    amount = *scaled;
    return true;
}

} // namespace

Reach ReachOf(const ProjectionTable& table, const ProjectionOutcome& outcome) {
    const std::int32_t end = table.firstYear + table.rowCount;
    // The engine stops at the first uncovered year, so a stop at the limit comes after covered
    // years only.
    if (outcome.status == ProjectionStatus::AmountOutOfRange)
        return {outcome.stoppedYear - 1, outcome.stoppedYear, outcome.stoppedYear};
    if (!outcome.lastRowCovered)
        return {end - 2, end - 1};
    return {end - 1, std::nullopt};
}

std::optional<Plan> ExpensesAt(const Plan& plan, std::int32_t percent) {
    const float rate = static_cast<float>(percent - 100);
    Plan variant = plan;
    for (ExpenseItem& item : variant.expenses)
        if (!ScaleAmount(item.initialAmount, rate) || !ScaleAmount(item.annualAmount, rate))
            return std::nullopt;
    return variant;
}

Plan ReturnsMovedBy(const Plan& plan, std::int32_t points) {
    Plan variant = plan;
    for (IncomeItem& item : variant.incomes) {
        item.rateBefore = MovedRate(item.rateBefore, points);
        item.rateAfter = MovedRate(item.rateAfter, points);
    }
    return variant;
}

std::optional<Plan> PlanVariant(const Plan& plan, std::int32_t expensesPercent,
                                std::int32_t returnPoints) {
    return ExpensesAt(ReturnsMovedBy(plan, returnPoints), expensesPercent);
}

std::optional<Reach> ProjectReach(const std::optional<Plan>& variant, std::int32_t firstYear) {
    ProjectionTable table;
    return ProjectReach(variant, firstYear, table);
}

std::optional<Reach> ProjectReach(const std::optional<Plan>& variant, std::int32_t firstYear,
                                  ProjectionTable& table) {
    if (!variant)
        return Reach{firstYear - 1, firstYear};
    const ProjectionOutcome outcome = Calculate(*variant, table);
    if (outcome.status == ProjectionStatus::AllocationFailed)
        return std::nullopt;
    return ReachOf(table, outcome);
}

std::optional<std::int32_t> AgeIn(const Plan& plan, std::int32_t year) {
    if (!plan.birthDate.IsValid() || year < plan.birthDate.GetYear())
        return std::nullopt;
    return year - plan.birthDate.GetYear();
}

bool CoveredThroughAge(const Reach& reach, const Plan& plan, std::int32_t age) {
    return !reach.firstUncoveredYear ||
           std::int64_t{*reach.firstUncoveredYear} > std::int64_t{plan.birthDate.GetYear()} + age;
}

std::string HorizonLabel(const Reach& reach) {
    return std::to_string(reach.horizon) + (reach.limitYear ? "+" : "");
}

HorizonBand BandOf(const Reach& reach, const Plan& plan, std::int32_t age) {
    if (const std::optional<std::int32_t> first = AgeIn(plan, FirstProjectionYear(plan));
        first && age < *first)
        return HorizonBand::Unknown;
    if (!reach.firstUncoveredYear)
        return HorizonBand::Lasting;
    if (reach.limitYear)
        return plan.birthDate.IsValid() && CoveredThroughAge(reach, plan, age)
                   ? HorizonBand::Lasting
                   : HorizonBand::UntilLimit;
    if (!plan.birthDate.IsValid())
        return HorizonBand::Unknown;
    if (reach.horizon < plan.retirementDate.GetYear())
        return HorizonBand::BeforeRetirement;
    return CoveredThroughAge(reach, plan, age) ? HorizonBand::Lasting : HorizonBand::BeforeAge;
}

SustainableSpending FindSustainableSpending(const Plan& plan, std::int32_t age, StopToken stop,
                                            const SpendingProgress& progress, unsigned threads) {
    if (!plan.birthDate.IsValid())
        return {SustainStatus::InvalidBirthDate};
    // The spendings are handed out from the top down and the largest covered one is the
    // answer: no assumption that coverage falls as spending rises. Every spending above a
    // covered one has been handed out before it, so a thread stops once its next spending is
    // below one found covered. Too high a spending fails early in its projection, so most
    // runs are short.
    const std::int32_t firstYear = FirstProjectionYear(plan);
    std::atomic<std::int32_t> next{kMaxSpendingPercent};
    std::atomic<std::int32_t> largest{-1};
    std::atomic<std::int32_t> tried{0};
    std::atomic<bool> failed{false};
    // The run without expenses, which says whether running out is known when none is covered.
    std::optional<Reach> withoutExpenses;
    const auto tryFromTheTop = [&] {
        for (;;) {
            const std::int32_t percent = next.fetch_sub(1);
            if (percent < 0 || percent < largest.load() || failed.load() || stop.stop_requested())
                return;
            const std::optional<Reach> reach = ProjectReach(ExpensesAt(plan, percent), firstYear);
            if (!reach) {
                failed.store(true);
                return;
            }
            if (progress)
                progress(tried.fetch_add(1) + 1);
            if (CoveredThroughAge(*reach, plan, age)) {
                std::int32_t found = largest.load();
                while (percent > found && !largest.compare_exchange_weak(found, percent)) {
                }
                return;
            }
            if (percent == 0)
                withoutExpenses = reach;
        }
    };
    RunOnThreads(threads, static_cast<unsigned>(kSpendingsToTry), [&] {
        // A copy of the plan may not fit either; the other threads then stop too.
        try {
            tryFromTheTop();
        } catch (const std::bad_alloc&) {
            failed.store(true);
        }
    });
    if (failed.load())
        return {SustainStatus::CannotCalculate};
    // A spending skipped because of the stop may have been the largest.
    if (stop.stop_requested())
        return {SustainStatus::Stopped};
    if (largest.load() >= 0)
        return {SustainStatus::Found, largest.load()};
    // When even the run without expenses stopped at the limit, the stop may come from the
    // assets' growth, so running out is not known.
    if (withoutExpenses && withoutExpenses->limitYear)
        return {SustainStatus::StopsAtLimit, 0, *withoutExpenses->limitYear};
    return {SustainStatus::NoneCovered};
}

std::optional<HorizonGrid> SensitivityGrid(const Plan& plan, StopToken stop) {
    const std::int32_t firstYear = FirstProjectionYear(plan);
    HorizonGrid grid{};
    for (std::size_t row = 0; row < kGridReturnPoints.size(); ++row) {
        const Plan moved = ReturnsMovedBy(plan, kGridReturnPoints[row]);
        for (std::size_t column = 0; column < kGridExpensePercents.size(); ++column) {
            if (stop.stop_requested())
                return std::nullopt;
            const std::optional<Reach> reach =
                ProjectReach(ExpensesAt(moved, kGridExpensePercents[column]), firstYear);
            if (!reach)
                return std::nullopt;
            grid[row][column] = *reach;
        }
    }
    return grid;
}
