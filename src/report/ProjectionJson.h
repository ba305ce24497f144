#pragma once

#include "model/Breakdown.h"
#include "model/Plan.h"
#include "model/Projection.h"
#include "model/ProjectionTable.h"

#include <ostream>
#include <string>

// The projection as one JSON object: firstYear, rowCount, stoppedAtLimit and the
// rows under "years", each with year, income, totalAssets, availableAssets and
// withdrawals. Ends with a line break.
std::string FormatProjectionJson(const ProjectionTable& table, const ProjectionOutcome& outcome);

enum class JsonLayout { Compact, Indented };

// The same object for the plan, whose projection gave table and outcome, with each year's
// breakdown: covered, unpaid, and the incomes, expenses and draws, items by their 0-based
// list position. The engine runs again and each year is written as soon as it is done, so
// that a plan of any size needs the memory of one year only.
void WriteBreakdownJson(const Plan& plan, const ProjectionTable& table,
                        const ProjectionOutcome& outcome, JsonLayout layout, std::ostream& out);

// One year's breakdown as WriteBreakdownJson writes it in "years", compact, without a line
// break.
std::string FormatYearJson(const YearBreakdown& year);
