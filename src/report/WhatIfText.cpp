#include "report/WhatIfText.h"

#include "report/LimitText.h"
#include "report/OutlastText.h"
#include "report/PlanChecks.h"
#include "report/SignedPoints.h"
#include "report/UntilAgeCheck.h"

#include <algorithm>
#include <functional>

namespace {

std::string AgePart(const Plan& plan, std::int32_t year) {
    const std::optional<std::int32_t> age = NamedAge(plan, year);
    return age ? ", age " + std::to_string(*age) : std::string();
}

bool AnyCell(const HorizonGrid& grid, const std::function<bool(const Reach&)>& test) {
    return std::any_of(
        grid.begin(), grid.end(),
        [&test](const auto& row) { return std::any_of(row.begin(), row.end(), test); });
}

} // namespace

std::string PointsInWords(std::int32_t points) {
    const std::string number = points > 0 ? '+' + std::to_string(points) : std::to_string(points);
    return number + (points == 1 || points == -1 ? " point" : " points");
}

namespace {

std::string HorizonWords(const Reach& reach, const Plan& plan, std::int32_t firstYear) {
    const std::string horizon = std::to_string(reach.horizon);
    if (reach.limitYear) {
        const std::string stop = LimitStopText(*reach.limitYear);
        if (reach.horizon < firstYear)
            return stop;
        return "Money lasts at least until " + horizon + AgePart(plan, reach.horizon) + ". " + stop;
    }
    if (const std::optional<std::int32_t> end = OutlastedExpensesEnd(reach, LastExpenseYear(plan)))
        return OutlastsSentence(plan, *end);
    if (!reach.firstUncoveredYear)
        return "Money lasts through " + horizon + AgePart(plan, reach.horizon) +
               ", the last year projected";
    if (reach.horizon < firstYear)
        return "Money does not last the first year, " + std::to_string(firstYear);
    return "Money lasts until " + horizon + AgePart(plan, reach.horizon);
}

} // namespace

// Two sentences where the projection stops at the limit: each ends with its full stop.
std::string HorizonSentence(const Reach& reach, const Plan& plan, std::int32_t firstYear) {
    return HorizonWords(reach, plan, firstYear) + '.';
}

std::string SustainableSentence(const SustainableSpending& found, std::int32_t returnPoints) {
    const std::string moved =
        returnPoints == 0 ? std::string() : " with returns " + PointsInWords(returnPoints);
    switch (found.status) {
    case SustainStatus::Found:
        return std::to_string(found.percent) + " % of planned expenses" + moved;
    case SustainStatus::NoneCovered:
        return "None: the money runs out before then even without expenses" + moved;
    case SustainStatus::StopsAtLimit:
        return "Unknown: " + ProjectionStopsAt(found.limitYear) + moved;
    case SustainStatus::InvalidBirthDate:
        return InvalidBirthDateProblem().sentence;
    case SustainStatus::CannotCalculate:
    case SustainStatus::Stopped:
        break;
    }
    return "Could not be calculated";
}

std::string SustainLine(std::int32_t age, const SustainableSpending& found) {
    const std::string lead = "sustainable spending to age " + std::to_string(age) + ": ";
    switch (found.status) {
    case SustainStatus::Found:
        return lead + std::to_string(found.percent) + '%';
    case SustainStatus::NoneCovered:
        return lead + "none";
    case SustainStatus::StopsAtLimit:
        return lead + "unknown, " + ProjectionStopsAt(found.limitYear);
    case SustainStatus::InvalidBirthDate:
    case SustainStatus::CannotCalculate:
    case SustainStatus::Stopped:
        break;
    }
    return lead + "could not be calculated";
}

std::string SustainCancelledText() {
    return "Cancelled. Change the age or the returns to work it out again.";
}

std::string WhatIfNeedsCalculationText() {
    return "Calculate the plan to see what if.";
}

std::string GridNeedsCalculationText() {
    return "Calculate the plan to see the grid.";
}

std::string VariantNoMemoryText() {
    return "Not enough memory to calculate this variant.";
}

std::string GridNotCalculatedText() {
    return "The grid could not be calculated.";
}

std::string GridTitle() {
    return "Money lasts until, by returns moved (rows) and expenses (columns):";
}

std::string GridExpensesHeading(std::int32_t percent) {
    return std::to_string(percent) + '%';
}

std::string GridReturnsHeading(std::int32_t points) {
    return SignedPoints(points);
}

std::string GridCellText(const Reach& reach) {
    return HorizonLabel(reach);
}

std::string GridCellTip(const Reach& reach) {
    const std::string horizon = std::to_string(reach.horizon);
    if (reach.limitYear)
        return "Lasts at least until " + horizon + ", then the calculation limit";
    if (!reach.firstUncoveredYear)
        return "Lasts through " + horizon + ", the last year projected";
    return "Lasts until " + horizon;
}

std::vector<GridLegendEntry> GridLegend(const HorizonGrid& grid, const Plan& plan,
                                        std::int32_t age) {
    std::vector<GridLegendEntry> legend;
    // An age that asks nothing colours no cell: the legend says why instead.
    if (const std::optional<std::string> problem = UntilAgeProblem(plan, age))
        return {{HorizonBand::Unknown, *problem}};
    if (!plan.birthDate.IsValid()) {
        legend.push_back({HorizonBand::Lasting, "Lasts through the last year projected"});
    } else {
        const std::int64_t ageYear = std::int64_t{plan.birthDate.GetYear()} + age;
        legend.push_back(
            {HorizonBand::BeforeRetirement,
             "Runs out before retirement in " + std::to_string(plan.retirementDate.GetYear())});
        legend.push_back({HorizonBand::BeforeAge, "Runs out before age " + std::to_string(age) +
                                                      " in " + std::to_string(ageYear)});
        legend.push_back(
            {HorizonBand::Lasting, "Lasts to age " + std::to_string(age) + " or longer"});
    }
    // Only where a cell stops there: the limit is rare and its words long.
    if (AnyCell(grid, [&](const Reach& reach) {
            return BandOf(reach, plan, age) == HorizonBand::UntilLimit;
        }))
        legend.push_back({HorizonBand::UntilLimit,
                          "Lasts at least until the year with +, then the calculation limit"});
    return legend;
}

std::string GridNote(const HorizonGrid& grid, const Plan& plan, std::int32_t age) {
    if (!AnyCell(grid, [&](const Reach& reach) {
            return reach.limitYear && BandOf(reach, plan, age) != HorizonBand::UntilLimit;
        }))
        return {};
    return "A year with + is the last one reached before the projection stops at the "
           "calculation limit: the money lasts at least until then";
}
