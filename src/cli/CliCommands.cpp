#include "cli/CliCommands.h"

#include "cli/ProjectionText.h"
#include "cli/SaveCommand.h"
#include "model/Projection.h"
#include "persist/PlanFileOpen.h"
#include "persist/UserMessages.h"

#include <optional>
#include <vector>

namespace {

constexpr const char* kHelp =
    R"(Usage: orbelan-cli project [--csv] FILE
       orbelan-cli check FILE
       orbelan-cli save IN OUT
       orbelan-cli --help

Projects an Orbelan plan file (.Orbe) without opening a window.

Commands:
  project FILE        Open FILE, project it year by year and print one row per
                      year under the headings Year, Income, Total Assets,
                      Available Assets and Withdrawals.
      --csv           Print the header line
                      "Year,Income,Total Assets,Available Assets,Withdrawals"
                      and one line of plain integers per row instead.
  check FILE          Tell whether FILE opens cleanly, is damaged (and from
                      which line), or cannot be opened.
  save IN OUT         Open IN as the program opens a plan and save it to OUT
                      as the program's Save does (a name ending in ".Orb" is
                      saved as ".Orbe"); the reason of a failure goes to
                      standard error.

A damaged file (one whose values cannot all be read) still projects, with
default values for what could not be read; a warning goes to standard error.
A projection whose amounts leave the range -2147483648 to 2147483647 stops
before that year; its earlier rows are printed and standard error says so.

Exit status:
  0  success (a damaged file that was projected included)
  1  FILE cannot be opened, or is not a plan file
  2  bad usage
  3  check: FILE is damaged
  4  the calculation could not be done (out of memory)
  5  save: OUT could not be saved
)";

int Usage(std::ostream& err, const std::string& problem) {
    err << "orbelan-cli: " << problem << "\nTry 'orbelan-cli --help'.\n";
    return kExitUsage;
}

// Opens the plan, reporting a failure on err; empty when it did not open.
std::optional<PlanOpenResult> OpenForCli(const std::string& path, Plan& plan, std::ostream& err) {
    const PlanOpenResult result = OpenPlanFile(path, plan);
    switch (result.status) {
    case PlanOpenStatus::CannotOpen:
        err << kErrorOpeningFile << '\n';
        return std::nullopt;
    case PlanOpenStatus::FormatError:
        err << kFileFormatError << '\n';
        return std::nullopt;
    case PlanOpenStatus::Opened:
        break;
    }
    return result;
}

int Project(const std::string& path, bool csv, std::ostream& out, std::ostream& err) {
    Plan plan;
    const auto opened = OpenForCli(path, plan, err);
    if (!opened) {
        return kExitCannotOpen;
    }
    if (opened->Damaged()) {
        err << "Warning: " << DamagedFileMessage(opened->damagedLine) << '\n';
    }
    ProjectionTable table;
    const ProjectionOutcome outcome = Calculate(plan, table);
    if (outcome.status == ProjectionStatus::AllocationFailed) {
        err << kAllocationError << '\n';
        return kExitCannotCalculate;
    }
    out << (csv ? FormatProjectionCsv(table) : FormatProjectionTable(table));
    if (outcome.status == ProjectionStatus::AmountOutOfRange) {
        err << OutOfRangeMessage(outcome.stoppedYear) << '\n';
    }
    return kExitSuccess;
}

int Check(const std::string& path, std::ostream& out, std::ostream& err) {
    Plan plan;
    const auto opened = OpenForCli(path, plan, err);
    if (!opened) {
        return kExitCannotOpen;
    }
    if (opened->Damaged()) {
        out << path << ": damaged from line " << opened->damagedLine << '\n';
        return kExitDamaged;
    }
    out << path << ": opens cleanly (" << plan.incomes.size() << " income items, "
        << plan.expenses.size() << " expense items)\n";
    return kExitSuccess;
}

} // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        return Usage(err, "missing command");
    }
    const std::string& command = args.front();
    if (command == "--help" || command == "-h") {
        out << kHelp;
        return kExitSuccess;
    }
    bool csv = false;
    std::vector<std::string> files;
    for (const std::string& arg : args.subspan(1)) {
        if (arg == "--csv" && command == "project") {
            csv = true;
        } else if (arg == "--help" || arg == "-h") {
            out << kHelp;
            return kExitSuccess;
        } else if (arg.size() > 1 && arg.front() == '-') {
            return Usage(err, "unknown option '" + arg + "'");
        } else {
            files.push_back(arg);
        }
    }
    if (command != "project" && command != "check" && command != "save") {
        return Usage(err, "unknown command '" + command + "'");
    }
    const std::size_t wanted = command == "save" ? 2 : 1;
    if (files.size() != wanted) {
        return Usage(err, files.size() < wanted ? "missing FILE" : "too many FILEs");
    }
    if (command == "save") {
        return SavePlanCopy(files[0], files[1], err);
    }
    return command == "project" ? Project(files.front(), csv, out, err)
                                : Check(files.front(), out, err);
}
