#pragma once

#include <ostream>
#include <span>
#include <string>

// orbelan-cli goal FILE [--confidence C] [--until-age A] [--paths N] [--spread P] [--seed S]
// [--json]: the largest spending that lasts to age A, and the age the money lasts to at the
// planned expenses, on C % of the seeded paths that risk draws.
int RunGoalCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
