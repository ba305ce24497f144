#include "model/YearBreakdown.h"

#include "model/BreakdownCollector.h"

ProjectionBreakdown ExplainProjection(const Plan& plan) {
    ProjectionBreakdown breakdown;
    BreakdownCollector collector;
    breakdown.outcome = Calculate(plan, breakdown.table, collector);
    breakdown.years = collector.TakeYears();
    return breakdown;
}

namespace {

std::optional<YearBreakdown> OnlyYear(BreakdownCollector& collector) {
    std::vector<YearBreakdown> years = collector.TakeYears();
    if (years.empty())
        return std::nullopt;
    return std::move(years.front());
}

} // namespace

std::optional<YearBreakdown> ExplainYear(const Plan& plan, std::int32_t year) {
    ProjectionTable table;
    BreakdownCollector collector(year);
    Calculate(plan, table, collector);
    return OnlyYear(collector);
}

std::optional<YearBreakdown> ExplainYear(const Plan& plan, std::int32_t year,
                                         const ReturnOffsets& returnOffsets) {
    ProjectionTable table;
    BreakdownCollector collector(year);
    Calculate(plan, table, returnOffsets, collector);
    return OnlyYear(collector);
}
