#include "model/YearBreakdown.h"

#include "model/BreakdownCollector.h"

ProjectionBreakdown ExplainProjection(const Plan& plan) {
    ProjectionBreakdown breakdown;
    BreakdownCollector collector;
    breakdown.outcome = Calculate(plan, breakdown.table, collector);
    breakdown.years = collector.TakeYears();
    return breakdown;
}

std::optional<YearBreakdown> ExplainYear(const Plan& plan, std::int32_t year) {
    ProjectionTable table;
    BreakdownCollector collector(year);
    Calculate(plan, table, collector);
    std::vector<YearBreakdown> years = collector.TakeYears();
    if (years.empty())
        return std::nullopt;
    return std::move(years.front());
}
