#pragma once

#include "model/Plan.h"
#include "persist/PlanFileOpen.h"
#include "persist/SaveBackup.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

// What the commands that ask about ages say of a plan whose birth date is invalid, after
// "orbelan-cli: ", and after the plan's file where several plans are given.
inline constexpr std::string_view kNoAge = "the plan's birth date is invalid, so it has no age";

// Opens the plan, reporting a failure on err; empty when it did not open. A save of it that
// a crash cut short is undone first, as the window does, with a warning on err; what that
// found goes to restore when given.
std::optional<PlanOpenResult> OpenForCli(const std::string& path, Plan& plan, std::ostream& err,
                                         RestoreResult* restore = nullptr);

// Opens the plan for a projection: a damaged file still projects, with a warning on err.
// False when it did not open.
bool OpenForProjection(const std::string& path, Plan& plan, std::ostream& err);

// Opens the plan for an answer about its projection (what if, risk): a plan with no first year
// gets none, only what its check says, on err. False when it did not open or gets no answer.
bool OpenForAnswers(const std::string& path, Plan& plan, std::ostream& err);

// Says on err why an age asks nothing of the plans, as every edition says it (UntilAgeProblem);
// true when there is no problem. The caller then gives the usage status.
bool AgeCanBeAsked(const std::optional<std::string>& problem, std::ostream& err);
