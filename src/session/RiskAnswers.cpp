#include "session/RiskAnswers.h"

#include "report/LimitText.h"
#include "report/PlanChecks.h"

RiskRunAnswer AskRisk(const Plan& plan, const RiskSettings& settings, StopToken stop,
                      const RiskProgress& progress, unsigned threads) {
    RiskRunAnswer answer;
    const RiskSettings within = WithinRanges(settings);
    if (std::optional<Verdict> verdict = PlanVerdict(plan, within.untilAge)) {
        answer.verdict = std::move(*verdict);
        return answer;
    }
    answer.summary = RunRisk(plan, within, stop, progress, threads);
    switch (answer.summary.status) {
    case RiskStatus::InvalidBirthDate:
        answer.verdict = {AnswerStatus::InvalidBirthDate, InvalidBirthDateProblem().sentence};
        break;
    case RiskStatus::CannotCalculate:
        answer.verdict = MemoryVerdict();
        break;
    case RiskStatus::Stopped:
        answer.verdict = StoppedVerdict();
        break;
    case RiskStatus::Done:
        break;
    }
    return answer;
}

RiskPathAnswer AskRiskPath(const Plan& plan, const RiskSettings& settings, std::int32_t path) {
    RiskPathAnswer answer;
    if (std::optional<Verdict> verdict = PlanVerdict(plan, settings.untilAge)) {
        answer.verdict = std::move(*verdict);
        return answer;
    }
    answer.offsets = PathOffsets(settings.seed, settings.spread, path);
    std::optional<PathProjection> projected = ProjectPath(plan, answer.offsets, settings.untilAge);
    if (!projected) {
        answer.verdict = MemoryVerdict();
        return answer;
    }
    answer.path = std::move(*projected);
    if (answer.path.stoppedAtLimit)
        answer.limitNote = LimitMessage(*answer.path.firstUncoveredYear);
    return answer;
}
