#include "session/ProjectionAnswer.h"

#include "report/LimitText.h"

ProjectionAnswer AskProjection(const Plan& plan) {
    ProjectionAnswer answer;
    answer.outcome = Calculate(plan, answer.table);
    if (answer.outcome.status == ProjectionStatus::AllocationFailed) {
        answer.verdict = MemoryVerdict();
        return answer;
    }
    if (const std::optional<Verdict> verdict = PlanVerdict(plan, std::nullopt))
        answer.notes.push_back(verdict->sentence);
    answer.ending.lastRowCovered = answer.outcome.lastRowCovered;
    if (answer.outcome.status == ProjectionStatus::AmountOutOfRange) {
        answer.ending.limitYear = answer.outcome.stoppedYear;
        answer.notes.push_back(LimitMessage(answer.outcome.stoppedYear));
    }
    return answer;
}
