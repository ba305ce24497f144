#include "session/WhatIfAnswers.h"

#include "report/PlanChecks.h"

SustainAnswer AskSustainableSpending(const Plan& plan, std::int32_t age, StopToken stop,
                                     const SpendingProgress& progress, unsigned threads) {
    SustainAnswer answer;
    if (std::optional<Verdict> verdict = PlanVerdict(plan, age)) {
        answer.verdict = std::move(*verdict);
        return answer;
    }
    answer.spending = FindSustainableSpending(plan, age, stop, progress, threads);
    switch (answer.spending.status) {
    case SustainStatus::InvalidBirthDate:
        answer.verdict = {AnswerStatus::InvalidBirthDate, InvalidBirthDateProblem().sentence};
        break;
    case SustainStatus::CannotCalculate:
        answer.verdict = MemoryVerdict();
        break;
    case SustainStatus::Stopped:
        answer.verdict = StoppedVerdict();
        break;
    case SustainStatus::Found:
    case SustainStatus::NoneCovered:
    case SustainStatus::StopsAtLimit:
        break;
    }
    return answer;
}

GridAnswer AskSensitivityGrid(const Plan& plan, std::int32_t age, StopToken stop) {
    GridAnswer answer;
    if (std::optional<Verdict> verdict = PlanVerdict(plan, age)) {
        answer.verdict = std::move(*verdict);
        return answer;
    }
    const std::optional<HorizonGrid> grid = SensitivityGrid(plan, stop);
    if (grid)
        answer.grid = *grid;
    else
        answer.verdict = stop.stop_requested() ? StoppedVerdict() : MemoryVerdict();
    return answer;
}
