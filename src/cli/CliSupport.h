#pragma once

#include "model/Plan.h"
#include "persist/PlanFileOpen.h"
#include "persist/SaveBackup.h"
#include "session/Verdict.h"

#include <optional>
#include <ostream>
#include <string>

// Opens the plan, reporting a failure on err; empty when it did not open. A save of it that
// a crash cut short is undone first, as the window does, with a warning on err; what that
// found goes to restore when given.
std::optional<PlanOpenResult> OpenForCli(const std::string& path, Plan& plan, std::ostream& err,
                                         RestoreResult* restore = nullptr);

// Opens the plan for a projection: a damaged file still projects, with a warning on err.
// False when it did not open.
bool OpenForProjection(const std::string& path, Plan& plan, std::ostream& err);

// Says on err why a question got no answer, and gives the exit status that goes with it:
// success for an answer.
int SayVerdict(const Verdict& verdict, std::ostream& err);
