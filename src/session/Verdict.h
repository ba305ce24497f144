#pragma once

#include "model/Plan.h"

#include <cstdint>
#include <optional>
#include <string>

// How a question about a plan was answered, the same for every operation of the session and so
// for every edition.
enum class AnswerStatus {
    Answered,
    // The plan cannot be asked as it stands: the sentence says why, and what to change.
    InvalidBirthDate,
    NoFirstYear,
    AgeBeforeFirstYear,
    // The engine's working memory could not be had.
    CannotCalculate,
    // The stop token asked to give up.
    Stopped,
};

struct Verdict {
    AnswerStatus status = AnswerStatus::Answered;
    // UTF-8, built in report/: why there is no answer. Empty for an answer and for a stop,
    // which each edition says in its own way (Ctrl+C, a Cancel button).
    std::string sentence;
    bool Answered() const { return status == AnswerStatus::Answered; }
    bool operator==(const Verdict& other) const = default;
};

// What the plan's preconditions say of a question about it, checked once and in this order:
// the birth date (only for a question that asks an age), the first year, then the age before
// the first year. Empty when the question can be asked.
std::optional<Verdict> PlanVerdict(const Plan& plan, std::optional<std::int32_t> age);

// The engine's working memory could not be had.
Verdict MemoryVerdict();
Verdict StoppedVerdict();
