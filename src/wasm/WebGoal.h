#pragma once

#include "model/Goal.h"
#include "model/Plan.h"
#include "report/NumberWords.h"

#include <string>

// The goal's answers for the page, as JSON text. Plain C++ over the session, so that the native
// tests check it too.

// The run on the calling thread, the browser having no threads: orbelan-cli goal --json's object
// with "status" ("done"), "spendingText" and "lastsText", the sentences as the Risk pane words
// them, and "plan", the plan with its expenses at the spending found (null when none is); or
// {"status": "problem", "spendingText": why the plan cannot be asked} with "lastsText" empty.
std::string GoalRunJson(const Plan& plan, const GoalSettings& settings,
                        const RiskProgress& progress, const NumberWords& numbers);
