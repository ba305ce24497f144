#pragma once

#include "model/Plan.h"
#include "model/ProjectionTable.h"
#include "model/Risk.h"
#include "model/StopToken.h"
#include "model/WhatIf.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Plans compared as scenarios over the same seeded paths. Path k of every plan carries the same
// offsets, so where two plans fare differently on a path the plans differ, not the draws.

// The open plan and up to three others.
inline constexpr std::size_t kMaxScenarios = 4;

struct ScenarioResult {
    // The plan's own projection and how far it carries.
    ProjectionTable table;
    Reach reach;
    SustainableSpending sustainable;
    RiskSummary risk;
    // Why the plan is not scored, in the one sentence every edition gives of it; then its
    // figures are left empty and it is in no pair.
    std::optional<std::string> verdict;
    // The plan's last year with an expense, which money lasting beyond it outlasts.
    std::optional<std::int32_t> lastExpenseYear;

    bool operator==(const ScenarioResult& other) const = default;
};

// How two plans fare on the same paths; a path lasts when its outcome is a success.
struct PathAgreement {
    std::size_t first = 0;
    std::size_t second = 0;
    std::int32_t both = 0;
    std::int32_t onlyFirst = 0;
    std::int32_t onlySecond = 0;
    std::int32_t neither = 0;

    bool operator==(const PathAgreement& other) const = default;
};

// The two plans' runs must share their settings, so that their paths are the same.
PathAgreement AgreementOf(const RiskSummary& first, const RiskSummary& second);

enum class ScenarioStatus {
    Done,
    // The plan at failedPlan has no age: its birth date is invalid.
    InvalidBirthDate,
    // The engine's working memory could not be had.
    CannotCalculate,
    // The stop token asked to give up.
    Stopped,
};

struct ScenarioComparison {
    ScenarioStatus status = ScenarioStatus::Done;
    std::size_t failedPlan = 0;
    // The settings every plan ran with, within their ranges.
    RiskSettings settings;
    std::vector<ScenarioResult> plans;
    // Every pair i < j, in the order (0, 1), (0, 2), ..., (1, 2), ...
    std::vector<PathAgreement> pairs;

    bool operator==(const ScenarioComparison& other) const = default;
};

// Called now and then, possibly from two threads at once, with the units of work done out of
// the total: each plan's spendings tried and paths run.
using ScenarioProgress = std::function<void(std::int64_t done, std::int64_t total)>;

// The units of work a comparison of that many plans reports its progress against: each plan's
// spendings tried and paths run, with the settings brought within their ranges.
std::int64_t ScenarioWorkUnits(std::size_t plans, const RiskSettings& settings);

// Each plan in turn on `threads` threads (0: as many as the machine has), with the risk
// settings brought within their ranges; the result does not depend on the number of threads.
ScenarioComparison CompareScenarios(std::span<const Plan> plans, const RiskSettings& settings,
                                    StopToken stop = {}, const ScenarioProgress& progress = {},
                                    unsigned threads = 0);
