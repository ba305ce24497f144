#include "session/Verdict.h"

#include "persist/UserMessages.h"
#include "report/PlanChecks.h"
#include "report/UntilAgeCheck.h"

std::optional<Verdict> PlanVerdict(const Plan& plan, std::optional<std::int32_t> age) {
    if (age) {
        if (const std::optional<PlanProblem> problem = BirthDateProblem(plan))
            return Verdict{AnswerStatus::InvalidBirthDate, problem->sentence};
    }
    if (const std::optional<PlanProblem> problem = NoFirstYearProblem(plan))
        return Verdict{AnswerStatus::NoFirstYear, problem->sentence};
    if (age) {
        if (std::optional<std::string> problem = UntilAgeProblem(plan, *age))
            return Verdict{AnswerStatus::AgeBeforeFirstYear, std::move(*problem)};
    }
    return std::nullopt;
}

Verdict MemoryVerdict() {
    return {AnswerStatus::CannotCalculate, std::string(kAllocationError)};
}

Verdict StoppedVerdict() {
    return {AnswerStatus::Stopped, {}};
}
