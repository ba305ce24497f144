#pragma once

#include "model/Plan.h"
#include "model/Risk.h"
#include "model/Scenarios.h"

#include <span>
#include <string>

// The scenarios view's answer for the page, as JSON text. Plain C++ over the model and the
// report's words, so that the native tests check it too.

// The plans compared on the calling thread, the browser having no threads, under the names of
// their files: {"status": "done", "names", "figures" (each a label and a value per plan),
// "settings" (the sentence), "pairs" (orbelan-cli compare --json's counts with the pair's
// "sentence"), "tables" (each plan's "firstYear" and "totalAssets" by row)}, or
// {"status": "problem", "sentence"}.
std::string ScenarioRunJson(std::span<const Plan> plans, std::span<const std::string> files,
                            const RiskSettings& settings, const ScenarioProgress& progress);
