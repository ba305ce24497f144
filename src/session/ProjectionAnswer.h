#pragma once

#include "model/Plan.h"
#include "model/Projection.h"
#include "model/ProjectionTable.h"
#include "report/ChartScale.h"
#include "session/Verdict.h"

#include <string>
#include <vector>

// The plan's projection, as the table, the chart and the exports show it.
struct ProjectionAnswer {
    // Answered, or CannotCalculate: a plan with no first year still projects, from year 0.
    Verdict verdict;
    ProjectionTable table;
    ProjectionOutcome outcome;
    // How the chart marks the projection's end.
    ChartEnding ending;
    // What is said beside the figures, UTF-8: why the projection has no first year, and the year
    // it stopped at the calculation limit.
    std::vector<std::string> notes;
};

ProjectionAnswer AskProjection(const Plan& plan);
