#pragma once

#include "model/Projection.h"
#include "model/YearBreakdown.h"

#include <string>

// The projection as one JSON object: firstYear, rowCount, stoppedAtLimit and the
// rows under "years", each with year, income, totalAssets, availableAssets and
// withdrawals. Ends with a line break.
std::string FormatProjectionJson(const ProjectionTable& table, const ProjectionOutcome& outcome);

// The same with each year's breakdown: covered, unpaid, and the incomes, expenses
// and draws, items by their 0-based list position.
std::string FormatBreakdownJson(const ProjectionBreakdown& breakdown);
