#pragma once

#include "model/Plan.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What makes a plan's projection meaningless or surprising, each said once for every edition
// with its fix. The projection rules stay as they are: these checks only tell the user.

// Amounts grow so fast at this rate, in percent, that the 32-bit limit comes within a few
// decades.
inline constexpr float kSteepRate = 50.0f;
// Below this rate, in percent, an amount loses more than all of itself in a year.
inline constexpr float kLowestRate = -100.0f;
// A retirement age outside these is taken for a slip.
inline constexpr std::int32_t kEarliestRetirementAge = 30;
inline constexpr std::int32_t kLatestRetirementAge = 90;

// The dialog where a problem is fixed.
enum class PlanPart { GeneralData, Income, Expenses };

struct PlanProblem {
    PlanPart part = PlanPart::GeneralData;
    // The item of the part's list to open at; empty for the general data, or for a list with
    // no item yet.
    std::optional<std::size_t> item;
    // The field to change, as the dialogs and the plan's JSON name it: "initialAmount".
    std::string field;
    // One plain sentence in UTF-8: the problem, then after a colon its fix.
    std::string sentence;

    bool operator==(const PlanProblem& other) const = default;
};

// Every problem of the plan, the plan-wide ones first, then item by item in list order.
std::vector<PlanProblem> CheckPlan(const Plan& plan);

// The problem that leaves the plan without an age: an invalid birth date.
std::optional<PlanProblem> BirthDateProblem(const Plan& plan);
// That problem, for the answers that know only that the birth date is invalid.
PlanProblem InvalidBirthDateProblem();

// The first problems of the plan, at most keep of them, and how many more there are.
struct PlanCheck {
    std::vector<PlanProblem> problems;
    std::size_t more = 0;
};
PlanCheck CheckPlan(const Plan& plan, std::size_t keep);

// The problem that leaves the projection without a first year, when the plan has it: what the
// answers about a projection say instead of figures.
std::optional<PlanProblem> NoFirstYearProblem(const Plan& plan);

// How many problems a list shows before it says how many more there are.
inline constexpr std::size_t kProblemsShown = 10;

// "And 3 more problems like these.", for the problems beyond those shown.
std::string MoreProblemsSentence(std::size_t more);
