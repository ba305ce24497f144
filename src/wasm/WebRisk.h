#pragma once

#include "model/Plan.h"
#include "model/Risk.h"
#include "report/NumberWords.h"
#include "report/YearExplanation.h"

#include <cstdint>
#include <optional>
#include <string>

// The risk view's answers for the page, as JSON text. Plain C++ over the model, so that the
// native tests check it too.

// The settings as the page holds them. The seed comes as decimal text, since a JavaScript
// number cannot hold every 64-bit one; empty when it is not such a number. The others are
// brought into their ranges.
std::optional<RiskSettings> RiskSettingsFrom(std::int32_t paths, std::int32_t spread,
                                             const std::string& seed, std::int32_t untilAge);

// The run on the calling thread, the browser having no threads: orbelan-cli risk --json's
// object with "status" ("done"), "successTenths", "worstPath" and "medianPath" added, or
// {"status": "invalidBirthDate"}, {"status": "cannotCalculate"} or, for an age reached before
// the projection's first year, {"status": "ageProblem"}; each with "answer", the
// Risk pane's sentence with the numbers written as given.
std::string RiskRunJson(const Plan& plan, const RiskSettings& settings,
                        const RiskProgress& progress, const NumberWords& numbers);

// Path number `path` (0-based) of the run: "rows" of year, income, Total Assets, Available
// Assets, withdrawals and the path's offset of the year in points, "firstUncoveredYear" and
// "stoppedAtLimit"; null for a path outside the run or when it cannot be calculated.
std::string RiskPathJson(const Plan& plan, const RiskSettings& settings, std::int32_t path);

// One year of that path explained, as the breakdown JSON writes a year, with the path's
// offset of the year under "returns" and Year Details' lines, written with text and shown as
// lines (the path named by lines.path's name), under "lines" (see ExplanationJson.h); null
// when the path has no such year.
std::string PathYearJson(const Plan& plan, const RiskSettings& settings, std::int32_t path,
                         std::int32_t year, const ExplanationText& text, ExplanationSettings lines);
