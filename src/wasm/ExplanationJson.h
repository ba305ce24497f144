#pragma once

#include "model/Plan.h"
#include "model/YearBreakdown.h"
#include "report/YearExplanation.h"

#include <nlohmann/json.hpp>

// A year's lines as the page draws them: an array of objects with "depth", "label", "amount"
// (null for a line without one) and "emphasised".
nlohmann::ordered_json ExplanationJson(const YearBreakdown& year, const Plan& plan,
                                       const ExplanationText& text);
