#pragma once

#include "model/Risk.h"
#include "report/NumberWords.h"

#include <cstdint>
#include <optional>
#include <string>

// What the risk run says to a reader, in UTF-8: the window's Risk pane, orbelan-cli risk and
// the browser's Risk view all show these words.

// How sure the plan is, or why that is not known: "The money lasts to age 95 in 381 of 1,000
// paths: 38.1 %", naming the paths that stopped at the calculation limit, which are counted
// neither as lasting nor as running out.
std::string RiskAnswer(const RiskSummary& summary, const NumberWords& numbers);

// What the Risk views say once a run is cancelled.
std::string RiskCancelledText();

// What the Risk views say before the plan is calculated.
std::string RiskNeedsCalculationText();

// What the views say of a seed that is no whole number from 0 to the largest 64-bit one: in
// the Risk view, and in a view that runs with the Risk view's seed.
std::string EnterSeedText();
std::string EnterSeedInRiskText();

// What the Risk views' controls say the spread, the seed and the two paths shown are, as the
// run draws and picks them.
std::string RiskSpreadTip();
std::string RiskSeedTip();
std::string RiskPathTip(bool worst);

// "worst path, no. 37", "median path, no. 512": a path of the run by its number from 0, as
// orbelan-cli risk --path takes it.
std::string RiskPathName(bool worst, std::int32_t path);

// A percentile of a year as a reader sees it: the amount, or where it falls on a path beyond
// the calculation limit, "beyond the calculation limit".
std::string PercentileText(const std::optional<std::int32_t>& amount,
                           const std::function<std::string(std::int64_t)>& amountText);
