#pragma once

#include "model/Plan.h"

#include <cstdint>
#include <optional>
#include <string>

// Why an age cannot be asked of a risk run, UTF-8; empty when it can. An age reached before the
// projection's first year asks nothing of the paths: every one would count as lasting.
std::optional<std::string> RiskAgeProblem(const Plan& plan, std::int32_t firstYear,
                                          std::int32_t age);
