#pragma once

#include "cli/ExitStatus.h"

#include <ostream>
#include <span>
#include <string>

// Runs orbelan-cli with its arguments (without the program name).
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);
