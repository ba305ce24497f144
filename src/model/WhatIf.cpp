#include "model/WhatIf.h"

#include "model/ProjectionArithmetic.h"

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
    if (!reach.firstUncoveredYear || reach.limitYear)
        return HorizonBand::Lasting;
    if (!plan.birthDate.IsValid())
        return HorizonBand::Unknown;
    if (reach.horizon < plan.retirementDate.GetYear())
        return HorizonBand::BeforeRetirement;
    return CoveredThroughAge(reach, plan, age) ? HorizonBand::Lasting : HorizonBand::BeforeAge;
}

SustainableSpending FindSustainableSpending(const Plan& plan, std::int32_t age, StopToken stop,
                                            const SpendingProgress& progress) {
    if (!plan.birthDate.IsValid())
        return {SustainStatus::InvalidBirthDate};
    // From the top down, the first covered percentage is the largest: no assumption that
    // coverage falls as spending rises. Too high a spending fails early in its projection,
    // so most of these runs are short.
    const std::int32_t firstYear = FirstProjectionYear(plan);
    std::optional<Reach> reach;
    for (std::int32_t percent = kMaxSpendingPercent; percent >= 0; --percent) {
        if (stop.stop_requested())
            return {SustainStatus::Stopped};
        reach = ProjectReach(ExpensesAt(plan, percent), firstYear);
        if (!reach)
            return {SustainStatus::CannotCalculate};
        if (progress)
            progress(kMaxSpendingPercent - percent + 1);
        if (CoveredThroughAge(*reach, plan, age))
            return {SustainStatus::Found, percent};
    }
    // The last run was the one without expenses: when even it stopped at the limit, the
    // stop may come from the assets' growth, so running out is not known.
    if (reach->limitYear)
        return {SustainStatus::StopsAtLimit, 0, *reach->limitYear};
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
