#pragma once

#include <ostream>
#include <span>
#include <string>

// orbelan-cli compare A B [C [D]] [--until-age N] [--paths P] [--spread S] [--seed K]
// [--json | --csv]: the plans side by side, each run on the same seeded paths, and for each
// pair how many paths last in both, in one only, or in neither.
int RunCompare(std::span<const std::string> args, std::ostream& out, std::ostream& err);
