#pragma once

#include "model/Risk.h"

#include <string>

// The risk run as one JSON object: paths, spread, seed, untilAge, horizonYear, successes,
// stoppedAtLimit and "years", each with year, paths, p10, p50 and p90. Ends with a line break.
std::string FormatRiskJson(const RiskSummary& summary);
