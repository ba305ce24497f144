#pragma once

#include "model/Plan.h"
#include "model/Scenarios.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <variant>
#include <vector>

// The plans compare and report --compare set side by side, opened and checked by the one code,
// so that a file that cannot be read, a damaged one and a plan that cannot be compared are told
// in the same words by both.

// Opens the files after the first opened.size(), which are already open (the report's own
// plan), each as a projection opens it, and asks every plan the age: all the plans in the
// files' order, or the exit status once the reason is on err.
std::variant<int, std::vector<Plan>> OpenScenarioPlans(std::span<const std::string> files,
                                                       std::vector<Plan> opened,
                                                       std::int32_t untilAge, std::ostream& err);

// The exit status of a comparison of the files' plans that did not finish, its reason on err;
// none when it is done.
std::optional<int> ComparisonFailure(const ScenarioComparison& comparison,
                                     std::span<const std::string> files, std::ostream& err);
