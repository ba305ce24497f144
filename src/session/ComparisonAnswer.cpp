#include "session/ComparisonAnswer.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace {

// Each plan's verdict on the settings' age, empty for a plan to score.
std::vector<std::optional<Verdict>> VerdictsOn(std::span<const Plan> plans,
                                               const RiskSettings& settings) {
    std::vector<std::optional<Verdict>> verdicts;
    for (const Plan& plan : plans)
        verdicts.push_back(PlanVerdict(plan, settings.untilAge));
    return verdicts;
}

} // namespace

ComparisonAnswer AskComparison(std::span<const Plan> plans, const RiskSettings& settings,
                               StopToken stop, const ScenarioProgress& progress, unsigned threads) {
    const RiskSettings within = WithinRanges(settings);
    const std::vector<std::optional<Verdict>> verdicts = VerdictsOn(plans, within);
    std::vector<Plan> scored;
    std::vector<std::size_t> columns;
    for (std::size_t p = 0; p < plans.size(); ++p) {
        if (!verdicts[p]) {
            scored.push_back(plans[p]);
            columns.push_back(p);
        }
    }
    ComparisonAnswer answer;
    const ScenarioComparison run = CompareScenarios(scored, within, stop, progress, threads);
    switch (run.status) {
    case ScenarioStatus::Done:
    case ScenarioStatus::InvalidBirthDate:
        break;
    case ScenarioStatus::CannotCalculate:
        answer.verdict = MemoryVerdict();
        return answer;
    case ScenarioStatus::Stopped:
        answer.verdict = StoppedVerdict();
        return answer;
    }
    ScenarioComparison& comparison = answer.comparison;
    comparison.settings = within;
    comparison.plans.resize(plans.size());
    for (std::size_t p = 0; p < plans.size(); ++p)
        if (verdicts[p])
            comparison.plans[p].verdict = verdicts[p]->sentence;
    for (std::size_t s = 0; s < run.plans.size(); ++s)
        comparison.plans[columns[s]] = run.plans[s];
    for (PathAgreement pair : run.pairs) {
        pair.first = columns[pair.first];
        pair.second = columns[pair.second];
        comparison.pairs.push_back(pair);
    }
    return answer;
}

std::int64_t ComparisonWorkUnits(std::span<const Plan> plans, const RiskSettings& settings) {
    std::size_t scored = 0;
    for (const std::optional<Verdict>& verdict : VerdictsOn(plans, WithinRanges(settings)))
        scored += verdict ? 0 : 1;
    return ScenarioWorkUnits(scored, settings);
}
