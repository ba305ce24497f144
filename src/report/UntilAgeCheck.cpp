#include "report/RiskAgeCheck.h"

#include "model/WhatIf.h"

std::optional<std::string> RiskAgeProblem(const Plan& plan, std::int32_t firstYear,
                                          std::int32_t age) {
    const std::optional<std::int32_t> first = AgeIn(plan, firstYear);
    if (!first || age >= *first)
        return std::nullopt;
    return "Age " + std::to_string(age) + " comes before the projection's first year, " +
           std::to_string(firstYear) + ", at age " + std::to_string(*first) +
           ": choose an age from " + std::to_string(*first) + " on.";
}
