#pragma once

#include "model/Plan.h"
#include "model/Risk.h"
#include "model/StopToken.h"
#include "session/Verdict.h"

#include <cstdint>
#include <optional>
#include <string>

// How sure the plan is to last to the settings' age over seeded paths of varying returns.
struct RiskRunAnswer {
    Verdict verdict;
    // With an answer: the run, whose sentence RiskAnswer (report/RiskText.h) words in the
    // edition's numbers.
    RiskSummary summary;
};

// Paths, spread and age are brought within their ranges first, as RunRisk does.
RiskRunAnswer AskRisk(const Plan& plan, const RiskSettings& settings, StopToken stop = {},
                      const RiskProgress& progress = {}, unsigned threads = 0);

// One path of a run: its offsets and its projection.
struct RiskPathAnswer {
    Verdict verdict;
    ReturnOffsets offsets{};
    PathProjection path;
    // The year the path stopped at the calculation limit, said as every limit is said.
    std::optional<std::string> limitNote;
};

RiskPathAnswer AskRiskPath(const Plan& plan, const RiskSettings& settings, std::int32_t path);
