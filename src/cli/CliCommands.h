#pragma once

#include <ostream>
#include <span>
#include <string>

// Exit statuses of orbelan-cli.
enum CliExitStatus : int {
    kExitSuccess = 0,
    kExitCannotOpen = 1,
    kExitUsage = 2,
    kExitDamaged = 3,
    kExitCannotCalculate = 4,
    kExitCannotSave = 5,
};

// Runs orbelan-cli with its arguments (without the program name).
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);
