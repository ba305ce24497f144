#pragma once

#include "model/Plan.h"
#include "model/YearBreakdown.h"
#include "report/YearExplanation.h"

#include <nlohmann/json.hpp>

// A year's lines as the page lays them out: an array of objects with "depth", "label",
// "amount" (as shown; null for a line without one) and "emphasised".
nlohmann::ordered_json ExplanationJson(const YearBreakdown& year, const Plan& plan,
                                       const ExplanationText& text,
                                       const ExplanationSettings& settings);
