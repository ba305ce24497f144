#pragma once

#include "model/PlanQuestions.h"
#include "report/PlanChecks.h"

#include <nlohmann/json.hpp>

#include <optional>

// The plan's checks and the questions of a first plan as the page takes them.

// The checks' problems in order, each {part: "general" | "income" | "expenses", item: index
// or null, field, sentence}.
nlohmann::json PlanChecksJson(const std::vector<PlanProblem>& problems);

// The answers with the birth date as its year (1 January of it) and rates as the bits of their
// floats, as the page's plan holds rates.
nlohmann::json AnswersToJson(const PlanAnswers& answers);
// Empty for JSON that is not such answers, so that the page's mistake cannot stop the core.
std::optional<PlanAnswers> AnswersFromJson(const nlohmann::json& json);
