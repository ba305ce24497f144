#pragma once

#include "model/Plan.h"
#include "persist/PlanFileOpen.h"
#include "persist/SaveBackup.h"
#include "report/PlanChecks.h"

#include <string>
#include <vector>

// A plan file opened as the window opens it: a save of it that a crash cut short is undone
// first, then the file is read and the plan checked.
struct OpenAnswer {
    PlanOpenResult result;
    RestoreResult restore;
    // What the restore did, when there is something to say of it; said before anything else.
    std::string restoreNotice;
    // Why the file did not open, on one line or two: the box's text, then the file and the
    // system's reason.
    std::string failure;
    // For a file that opened: what was not read of it, as warnings.
    std::vector<std::string> damage;
    // For a file that opened, when asked: what its checks find.
    std::vector<PlanProblem> problems;
    bool Opened() const { return result.status == PlanOpenStatus::Opened; }
};

// The checks cost a projection, so only the answers that show them ask for them.
OpenAnswer AskOpen(const std::string& path, Plan& plan, bool withChecks = false);
