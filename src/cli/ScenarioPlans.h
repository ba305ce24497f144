#pragma once

#include "model/Plan.h"

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

// The plans compare and report --compare set side by side, opened by the one code, so that a
// file that cannot be read and a damaged one are told in the same words by both.

// Opens the files after the first opened.size(), which are already open (the report's own
// plan), each as a projection opens it: all the plans in the files' order, or empty once the
// reason is on err.
std::optional<std::vector<Plan>> OpenScenarioPlans(std::span<const std::string> files,
                                                   std::vector<Plan> opened, std::ostream& err);
