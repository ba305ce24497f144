#pragma once

#include <ostream>
#include <span>
#include <string>

// orbelan-cli sensitivity FILE: the horizon years of the sensitivity grid as CSV.
int RunSensitivity(std::span<const std::string> args, std::ostream& out, std::ostream& err);
