#pragma once

#include <ostream>
#include <span>
#include <string>

// orbelan-cli project [--csv | --json] FILE: the projection as a table, CSV or JSON.
int RunProject(std::span<const std::string> args, std::ostream& out, std::ostream& err);
