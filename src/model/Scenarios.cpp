#include "model/Scenarios.h"

#include "model/Projection.h"

#include <algorithm>

namespace {

ScenarioStatus StatusOf(const ScenarioResult& result) {
    const SustainStatus sustain = result.sustainable.status;
    const RiskStatus risk = result.risk.status;
    if (sustain == SustainStatus::InvalidBirthDate || risk == RiskStatus::InvalidBirthDate)
        return ScenarioStatus::InvalidBirthDate;
    if (sustain == SustainStatus::Stopped || risk == RiskStatus::Stopped)
        return ScenarioStatus::Stopped;
    if (sustain == SustainStatus::CannotCalculate || risk == RiskStatus::CannotCalculate)
        return ScenarioStatus::CannotCalculate;
    return ScenarioStatus::Done;
}

// One plan's figures, reporting the units of its own work done.
ScenarioResult RunScenario(const Plan& plan, const RiskSettings& settings, StopToken stop,
                           const std::function<void(std::int64_t)>& report, unsigned threads) {
    ScenarioResult result;
    const std::optional<Reach> reach = ProjectReach(plan, FirstProjectionYear(plan), result.table);
    if (!reach) {
        result.risk.status = RiskStatus::CannotCalculate;
        return result;
    }
    result.reach = *reach;
    result.lastExpenseYear = LastExpenseYear(plan);
    result.sustainable = FindSustainableSpending(
        plan, settings.untilAge, stop, [&](std::int32_t tried) { report(tried); }, threads);
    result.risk = RunRisk(
        plan, settings, stop, [&](std::int32_t paths) { report(kSpendingsToTry + paths); },
        threads);
    return result;
}

} // namespace

std::int64_t ScenarioWorkUnits(std::size_t plans, const RiskSettings& settings) {
    return static_cast<std::int64_t>(plans) * (kSpendingsToTry + WithinRanges(settings).paths);
}

PathAgreement AgreementOf(const RiskSummary& first, const RiskSummary& second) {
    PathAgreement agreement;
    const std::size_t paths = std::min(first.outcomes.size(), second.outcomes.size());
    for (std::size_t k = 0; k < paths; ++k) {
        const bool firstLasts = first.outcomes[k] == PathOutcome::Succeeds;
        const bool secondLasts = second.outcomes[k] == PathOutcome::Succeeds;
        (firstLasts ? (secondLasts ? agreement.both : agreement.onlyFirst)
                    : (secondLasts ? agreement.onlySecond : agreement.neither)) += 1;
    }
    return agreement;
}

ScenarioComparison CompareScenarios(std::span<const Plan> plans, const RiskSettings& settings,
                                    StopToken stop, const ScenarioProgress& progress,
                                    unsigned threads) {
    ScenarioComparison comparison;
    const RiskSettings within = WithinRanges(settings);
    comparison.settings = within;
    const std::int64_t perPlan = ScenarioWorkUnits(1, within);
    const std::int64_t total = ScenarioWorkUnits(plans.size(), within);
    for (std::size_t i = 0; i < plans.size(); ++i) {
        const std::int64_t before = static_cast<std::int64_t>(i) * perPlan;
        const auto report = [&](std::int64_t units) {
            if (progress)
                progress(before + units, total);
        };
        comparison.plans.push_back(RunScenario(plans[i], within, stop, report, threads));
        comparison.status = StatusOf(comparison.plans.back());
        if (comparison.status != ScenarioStatus::Done) {
            comparison.failedPlan = i;
            return comparison;
        }
    }
    for (std::size_t i = 0; i < plans.size(); ++i) {
        for (std::size_t j = i + 1; j < plans.size(); ++j) {
            PathAgreement pair = AgreementOf(comparison.plans[i].risk, comparison.plans[j].risk);
            pair.first = i;
            pair.second = j;
            comparison.pairs.push_back(pair);
        }
    }
    return comparison;
}
