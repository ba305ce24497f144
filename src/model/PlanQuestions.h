#pragma once

#include "model/Plan.h"
#include "model/PlanDate.h"

#include <cstdint>

// The few questions a newcomer answers to get a first plan, every amount a year after tax.
struct PlanAnswers {
    PlanDate birthDate;
    std::int32_t retirementAge = 67;
    std::int32_t savings = 0;
    float savingsInterest = 0.0f;
    std::int32_t salary = 0;
    float salaryGrowth = 0.0f;
    std::int32_t livingCosts = 0;
    std::int32_t pension = 0;
    std::int32_t pensionAge = 67;

    bool operator==(const PlanAnswers& other) const = default;
};

// The age to which a plan from the questions pays its living costs and pension.
inline constexpr std::int32_t kQuestionsLastAge = 100;

// The answers a newcomer starts from, for someone of 40 in the current year.
PlanAnswers DefaultPlanAnswers(std::int32_t currentYear);

// An ordinary plan from the answers, starting in the current year: the salary until the year
// before retirement and the savings, both open for withdrawal from the current year; the
// living costs from the current year to age 100; the pension from its start to age 100, open
// for withdrawal from its start. Amounts are after tax, so the plan's tax rates are 0.
Plan PlanFromAnswers(const PlanAnswers& answers, std::int32_t currentYear);
