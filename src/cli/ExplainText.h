#pragma once

#include "model/Plan.h"
#include "model/YearBreakdown.h"

#include <string>

// One year of the plan's projection as text that lets a person redo every number by
// hand: each item's credits, interest and tax, the expenses, the withdrawals in order,
// and whether the expenses were paid. LF line ends.
std::string FormatYearExplanation(const Plan& plan, const YearBreakdown& year);
