#pragma once

#include "model/Plan.h"
#include "model/WhatIf.h"

#include <cstdint>
#include <optional>
#include <string>

// How far the money carries when it carries past the plan's own end: a projection runs a
// hundred years whatever the plan, so its last year is no age the plan was made for.

// Ages beyond this are no lifetime a plan is made for: the words never name one.
inline constexpr std::int32_t kOldestNamedAge = 120;

// The plan's age in the year as the words name it: none before the birth year, with an invalid
// birth date or past kOldestNamedAge.
std::optional<std::int32_t> NamedAge(const Plan& plan, std::int32_t year);

// The year the plan's expenses end in, when the money covers every year projected through it.
std::optional<std::int32_t> OutlastedExpensesEnd(const Reach& reach,
                                                 std::optional<std::int32_t> lastExpenseYear);

// "The money outlasts the plan's expenses, which end in 2085, at age 100", without full stop.
std::string OutlastsSentence(const Plan& plan, std::int32_t lastExpenseYear);

// The same in a table's cell, where the plan's name heads the column: "beyond 2085, its last
// expense".
std::string OutlastsLabel(std::int32_t lastExpenseYear);
