#pragma once

#include "model/Plan.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Whether an age can be asked of a plan: how sure the money lasts to it, the spending that
// lasts to it, a comparison to it. An age reached before the projection's first year asks
// nothing, since the money lasts to it on every path and at any spending: the answer would be
// a figure that says nothing. Every command and pane asks this one check, in these words.

// Why the age cannot be asked of the plan, UTF-8; empty when it can, and for a plan without an
// age (no valid birth date, or no first year).
std::optional<std::string> UntilAgeProblem(const Plan& plan, std::int32_t age);

// The same for plans compared side by side: the first the age cannot be asked of, named before
// why ("b.Orbe: Age 3 comes before..."). names holds one name per plan.
std::optional<std::string> UntilAgeProblem(std::span<const Plan> plans,
                                           std::span<const std::string> names, std::int32_t age);
