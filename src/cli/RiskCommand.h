#pragma once

#include <ostream>
#include <span>
#include <string>

// orbelan-cli risk FILE [--paths N] [--spread P] [--seed S] [--until-age A] [--json | --path K]:
// the chance the money lasts to age A over seeded paths of varying returns, their percentiles
// of Total Assets, or one path's projection.
int RunRiskCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
