#pragma once

#include "model/Breakdown.h"
#include "model/Plan.h"
#include "model/Projection.h"
#include "model/ProjectionTable.h"

#include <cstdint>
#include <optional>
#include <vector>

// A whole projection with the breakdown of every row.
struct ProjectionBreakdown {
    ProjectionTable table;
    ProjectionOutcome outcome;
    std::vector<YearBreakdown> years;
};

// Runs the projection of the plan and keeps the breakdown of every year.
ProjectionBreakdown ExplainProjection(const Plan& plan);

// One year's breakdown with the table and outcome of the projection it came from: the memory
// of that one year, whatever the plan's size. The year is empty when the projection has no
// row for it or could not run.
struct ExplainedYear {
    ProjectionTable table;
    ProjectionOutcome outcome;
    std::optional<YearBreakdown> year;
};
ExplainedYear ExplainOneYear(const Plan& plan, std::int32_t year);

// The breakdown of one year of the plan's projection; empty when the projection has no
// row for that year or could not run.
std::optional<YearBreakdown> ExplainYear(const Plan& plan, std::int32_t year);

// The same for the projection with the returns moved row by row.
std::optional<YearBreakdown> ExplainYear(const Plan& plan, std::int32_t year,
                                         const ReturnOffsets& returnOffsets);
