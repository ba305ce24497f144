#include "session/GoalAnswers.h"

#include "report/PlanChecks.h"

GoalRunAnswer AskGoal(const Plan& plan, const GoalSettings& settings, StopToken stop,
                      const RiskProgress& progress, unsigned threads) {
    GoalRunAnswer answer;
    const GoalSettings within = WithinRanges(settings);
    if (std::optional<Verdict> verdict = PlanVerdict(plan, within.risk.untilAge)) {
        answer.verdict = std::move(*verdict);
        return answer;
    }
    answer.goal = RunGoal(plan, within, stop, progress, threads);
    switch (answer.goal.status) {
    case GoalStatus::InvalidBirthDate:
        answer.verdict = {AnswerStatus::InvalidBirthDate, InvalidBirthDateProblem().sentence};
        break;
    case GoalStatus::CannotCalculate:
        answer.verdict = MemoryVerdict();
        break;
    case GoalStatus::Stopped:
        answer.verdict = StoppedVerdict();
        break;
    case GoalStatus::Done:
        break;
    }
    return answer;
}
