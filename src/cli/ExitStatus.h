#pragma once

// Exit statuses of orbelan-cli.
enum CliExitStatus : int {
    kExitSuccess = 0,
    kExitCannotOpen = 1,
    kExitUsage = 2,
    kExitDamaged = 3,
    // explain: the year asked for is the one whose amounts stopped the projection.
    kExitBeyondLimit = 3,
    kExitCannotCalculate = 4,
    kExitCannotSave = 5,
    // Stopped by Ctrl+C: the status the shell gives a process that SIGINT ended.
    kExitInterrupted = 130,
};
