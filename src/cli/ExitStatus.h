#pragma once

// Exit statuses of orbelan-cli.
enum CliExitStatus : int {
    kExitSuccess = 0,
    kExitCannotOpen = 1,
    kExitUsage = 2,
    kExitDamaged = 3,
    kExitCannotCalculate = 4,
    kExitCannotSave = 5,
};
