#include "report/UntilAgeCheck.h"

#include "model/Projection.h"
#include "model/WhatIf.h"

#include <cstddef>

std::optional<std::string> UntilAgeProblem(const Plan& plan, std::int32_t age) {
    const std::int32_t firstYear = FirstProjectionYear(plan);
    const std::optional<std::int32_t> first = AgeIn(plan, firstYear);
    if (!first || age >= *first)
        return std::nullopt;
    return "Age " + std::to_string(age) + " comes before the projection's first year, " +
           std::to_string(firstYear) + ", at age " + std::to_string(*first) +
           ": choose an age from " + std::to_string(*first) + " on.";
}

std::optional<std::string> UntilAgeProblem(std::span<const Plan> plans,
                                           std::span<const std::string> names, std::int32_t age) {
    for (std::size_t p = 0; p < plans.size() && p < names.size(); ++p)
        if (const std::optional<std::string> problem = UntilAgeProblem(plans[p], age))
            return names[p] + ": " + *problem;
    return std::nullopt;
}
