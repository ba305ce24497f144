#pragma once

#include "model/Risk.h"

#include <string>

// The risk run as one JSON object: paths, spread, seed, untilAge, horizonYear, successes,
// stoppedAtLimit and "years", each with year, paths (with a row that year), ranOut and
// beyondLimit (paths that ended before it by running out or at the calculation limit), p10, p50
// and p90 (null where it falls beyond the limit). Ends with a line break.
std::string FormatRiskJson(const RiskSummary& summary);
