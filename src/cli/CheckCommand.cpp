#include "cli/CheckCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "persist/TornCopy.h"
#include "persist/UserMessages.h"
#include "report/PlanChecks.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace {

// "1 income item", "2 income items".
std::string Counted(std::size_t count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// After the verdict on a clean file, what the plan's checks find, which leaves the exit status
// alone: the file opened. A damaged file's defaults are not the user's to be told about.
void PrintWarnings(const Plan& plan, std::ostream& out) {
    const PlanCheck check = CheckPlan(plan, kProblemsShown);
    for (const PlanProblem& problem : check.problems)
        out << "warning: " << problem.sentence << '\n';
    if (check.more > 0)
        out << "warning: " << MoreProblemsSentence(check.more) << '\n';
}

// Why the file at path may still hold a save that a crash cut short: empty when nothing
// says so.
std::string InterruptedSaveLeft(const RestoreResult& restore, const std::string& path) {
    switch (restore.status) {
    case RestoreStatus::NoBackup:
        if (const std::optional<TornCopy> copy = FindTornCopy(path))
            return "holds a save of " + copy->original.string() +
                   " that was interrupted, and it was not put back, because this file is a copy "
                   "of that one; the plan as it was before that save is kept in " +
                   copy->backup.string();
        return {};
    case RestoreStatus::Refused:
        return "holds a save that was interrupted, and it was not put back (" + restore.reason +
               "); the plan as it was before that save is kept in " + restore.backup.string();
    case RestoreStatus::Ignored:
        return "may hold a save that was interrupted; its backup " + restore.backup.string() +
               " was not used (" + restore.reason + ")";
    default:
        return {};
    }
}

} // namespace

int RunCheck(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseCommandArguments(args, {}, out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const std::string& path = std::get<CommandArguments>(parsed).operands.front();
    Plan plan;
    RestoreResult restore;
    const auto opened = OpenForCli(path, plan, err, &restore);
    if (!opened)
        return kExitCannotOpen;
    if (const std::string left = InterruptedSaveLeft(restore, path); !left.empty()) {
        out << path << ": " << left << '\n';
        return kExitDamaged;
    }
    if (opened->Damaged()) {
        out << path << ": damaged from line " << opened->damagedLine << '\n';
        return kExitDamaged;
    }
    const std::string counts = " (" + Counted(plan.incomes.size(), "income item") + ", " +
                               Counted(plan.expenses.size(), "expense item") + ")\n";
    if (opened->unreadBytes != 0) {
        out << path << ": opens, but not cleanly" << counts;
        out << "warning: " << UnreadBytesMessage(opened->unreadBytes) << '\n';
        return kExitDamaged;
    }
    out << path << ": opens cleanly" << counts;
    if (restore.status == RestoreStatus::Unchecked)
        out << "warning: no save of this plan that a crash cut short could be looked for: "
            << restore.reason << '\n';
    PrintWarnings(plan, out);
    return kExitSuccess;
}
