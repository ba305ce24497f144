#pragma once

#include "model/Plan.h"
#include "model/Risk.h"
#include "model/StopToken.h"

#include <cstdint>
#include <optional>

// What the household can spend, and how long its money lasts, at the confidence it chooses.
// Every spending tried runs on the same paths that RunRisk draws for the settings (path k is
// the risk run's path k), so the answer is exact and the same on every run.

inline constexpr std::int32_t kMinGoalConfidence = 1;
inline constexpr std::int32_t kMaxGoalConfidence = 99;
inline constexpr std::int32_t kDefaultGoalConfidence = 90;

struct GoalSettings {
    RiskSettings risk;
    // Whole percent, kMinGoalConfidence to kMaxGoalConfidence.
    std::int32_t confidence = kDefaultGoalConfidence;

    bool operator==(const GoalSettings& other) const = default;
};

enum class GoalStatus { Done, InvalidBirthDate, CannotCalculate, Stopped };

struct GoalAnswer {
    GoalStatus status = GoalStatus::Done;
    // Within their ranges, as the run used them.
    GoalSettings settings;
    // The paths that must last: ceil(confidence x paths / 100).
    std::int32_t needed = 0;
    // The largest whole percent of the planned expenses, 0 to kMaxSpendingPercent, scaled as
    // ExpensesAt scales them, at which at least `needed` paths last to the age; empty when not
    // even 0 % does. A path lasts when no year up to the birth year + the age is unpaid, or when
    // it stopped at the calculation limit with every reached year paid.
    std::optional<std::int32_t> spending;
    // At the planned expenses, the needed-th largest of the paths' ages in their last paid year.
    std::int32_t lastsToAge = 0;
    // Whether that path never ran out, so the age is that of its projection's last row.
    bool toTheEnd = false;
    // The paths that last only by stopping at the calculation limit before the age, at the
    // spending found, or at 0 % when none is.
    std::int32_t stoppedAtLimit = 0;

    bool operator==(const GoalAnswer& other) const = default;
};

// ceil(confidence x paths / 100).
std::int32_t NeededPaths(std::int32_t confidence, std::int32_t paths);

// The settings with every value outside its range brought to the nearest end.
GoalSettings WithinRanges(GoalSettings settings);

// What the progress of RunGoal counts up to at most: every pass over the paths counts each
// path once, and the search ends after at most this many passes.
inline constexpr std::int32_t kGoalPasses = 12;
std::int32_t GoalProgressTotal(const GoalSettings& settings);

// Runs on `threads` threads (0: as many as the machine has; 1: on the calling thread); the
// answer does not depend on them. progress is told how far the run has come, out of
// GoalProgressTotal.
GoalAnswer RunGoal(const Plan& plan, const GoalSettings& settings, StopToken stop = {},
                   const RiskProgress& progress = {}, unsigned threads = 0);
