#pragma once

#include "model/Plan.h"
#include "model/Risk.h"
#include "model/Scenarios.h"
#include "model/StopToken.h"
#include "session/Verdict.h"

#include <cstdint>
#include <span>

// Plans side by side over the same seeded paths. A plan that cannot be asked the settings' age
// is not scored: its column carries its verdict's sentence, and the others are still compared.
struct ComparisonAnswer {
    // Answered, CannotCalculate or Stopped: the verdicts on single plans stay in their columns.
    Verdict verdict;
    // One column per plan, in the plans' order; pairs only of the plans scored.
    ScenarioComparison comparison;
};

ComparisonAnswer AskComparison(std::span<const Plan> plans, const RiskSettings& settings,
                               StopToken stop = {}, const ScenarioProgress& progress = {},
                               unsigned threads = 0);

// The units of work such a comparison reports its progress against: the scored plans'.
std::int64_t ComparisonWorkUnits(std::span<const Plan> plans, const RiskSettings& settings);
