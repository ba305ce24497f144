#include "model/YearBreakdown.h"

#include "model/BreakdownCollector.h"

namespace {

// Only the engine's outcome knows that the year after the last row could not be calculated.
void MarkLastBeforeLimit(std::vector<YearBreakdown>& years, const ProjectionOutcome& outcome) {
    if (outcome.status == ProjectionStatus::AmountOutOfRange && !years.empty() &&
        std::int64_t{years.back().year} + 1 == outcome.stoppedYear)
        years.back().lastBeforeLimit = true;
}

std::optional<YearBreakdown> OnlyYear(BreakdownCollector& collector,
                                      const ProjectionOutcome& outcome) {
    std::vector<YearBreakdown> years = collector.TakeYears();
    if (years.empty())
        return std::nullopt;
    MarkLastBeforeLimit(years, outcome);
    return std::move(years.front());
}

} // namespace

ProjectionBreakdown ExplainProjection(const Plan& plan) {
    ProjectionBreakdown breakdown;
    BreakdownCollector collector;
    breakdown.outcome = Calculate(plan, breakdown.table, collector);
    breakdown.years = collector.TakeYears();
    MarkLastBeforeLimit(breakdown.years, breakdown.outcome);
    return breakdown;
}

ExplainedYear ExplainOneYear(const Plan& plan, std::int32_t year) {
    ExplainedYear explained;
    BreakdownCollector collector(year);
    explained.outcome = Calculate(plan, explained.table, collector);
    explained.year = OnlyYear(collector, explained.outcome);
    return explained;
}

std::optional<YearBreakdown> ExplainYear(const Plan& plan, std::int32_t year) {
    return ExplainOneYear(plan, year).year;
}

std::optional<YearBreakdown> ExplainYear(const Plan& plan, std::int32_t year,
                                         const ReturnOffsets& returnOffsets) {
    ProjectionTable table;
    BreakdownCollector collector(year);
    const ProjectionOutcome outcome = Calculate(plan, table, returnOffsets, collector);
    return OnlyYear(collector, outcome);
}
