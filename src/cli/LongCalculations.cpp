#include "cli/LongCalculations.h"

#include "cli/LongRun.h"

RiskRunAnswer AskRiskShowingProgress(const Plan& plan, const RiskSettings& settings,
                                     std::ostream& err) {
    return RunLong(
        "paths", settings.paths, err,
        [&](StopToken stop, const RiskProgress& progress) {
            return AskRisk(plan, settings, stop, progress);
        });
}

GoalRunAnswer AskGoalShowingProgress(const Plan& plan, const GoalSettings& settings,
                                     std::ostream& err) {
    return RunLong(
        "path runs", GoalProgressTotal(settings), err,
        [&](StopToken stop, const RiskProgress& progress) {
            return AskGoal(plan, settings, stop, progress);
        });
}

ComparisonAnswer AskComparisonShowingProgress(std::span<const Plan> plans,
                                              const RiskSettings& settings, std::ostream& err) {
    return RunLong(
        "projections", ComparisonWorkUnits(plans, settings), err,
        [&](StopToken stop, const auto& progress) {
            return AskComparison(
                plans, settings, stop,
                [&progress](std::int64_t done, std::int64_t) {
                    progress(static_cast<std::int32_t>(done));
                });
        });
}
