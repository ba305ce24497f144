#include "cli/CliCommands.h"

#include "cli/CliSupport.h"
#include "cli/ExplainCommand.h"
#include "cli/ProjectionText.h"
#include "model/Projection.h"
#include "persist/PlanFileOpen.h"
#include "persist/UserMessages.h"
#include "report/ProjectionCsv.h"
#include "report/ProjectionJson.h"

#include <optional>
#include <vector>

namespace {

constexpr const char* kHelp =
    R"(Usage: orbelan-cli project [--csv | --json] FILE
       orbelan-cli explain FILE YEAR
       orbelan-cli explain --json FILE
       orbelan-cli check FILE
       orbelan-cli --help

Projects an Orbelan plan file (.Orbe) without opening a window.

Commands:
  project FILE        Open FILE, project it year by year and print one row per
                      year under the headings Year, Income, Total Assets,
                      Available Assets and Withdrawals.
      --csv           Print the header line
                      "Year,Income,Total Assets,Available Assets,Withdrawals"
                      and one line of plain integers per row instead.
      --json          Print the rows as one JSON object instead: firstYear,
                      rowCount, stoppedAtLimit and "years", each row with
                      year, income, totalAssets, availableAssets, withdrawals.
  explain FILE YEAR   Show how every number of YEAR's row came about: each
                      item's credits, interest, tax and withdrawals, the
                      expenses, and whether they were paid.
      --json          (explain --json FILE) Print the whole projection as JSON,
                      each year with its breakdown: covered, unpaid, incomes,
                      expenses and draws, items by their 0-based position.
  check FILE          Tell whether FILE opens cleanly, is damaged (and from
                      which line), or cannot be opened.

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
)";

enum class ProjectionFormat { Table, Csv, Json };

std::string FormatProjection(ProjectionFormat format, const ProjectionTable& table,
                             const ProjectionOutcome& outcome) {
    switch (format) {
    case ProjectionFormat::Csv:
        return FormatProjectionCsv(table);
    case ProjectionFormat::Json:
        return FormatProjectionJson(table, outcome);
    case ProjectionFormat::Table:
        break;
    }
    return FormatProjectionTable(table);
}

int Project(const std::string& path, ProjectionFormat format, std::ostream& out,
            std::ostream& err) {
    Plan plan;
    if (!OpenForProjection(path, plan, err)) {
        return kExitCannotOpen;
    }
    ProjectionTable table;
    const ProjectionOutcome outcome = Calculate(plan, table);
    if (outcome.status == ProjectionStatus::AllocationFailed) {
        err << kAllocationError << '\n';
        return kExitCannotCalculate;
    }
    out << FormatProjection(format, table, outcome);
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
    ProjectionFormat format = ProjectionFormat::Table;
    std::vector<std::string> files;
    for (const std::string& arg : args.subspan(1)) {
        if (arg == "--csv" && command == "project") {
            format = ProjectionFormat::Csv;
        } else if (arg == "--json" && (command == "project" || command == "explain")) {
            format = ProjectionFormat::Json;
        } else if (arg == "--help" || arg == "-h") {
            out << kHelp;
            return kExitSuccess;
        } else if (arg.size() > 1 && arg.front() == '-') {
            return Usage(err, "unknown option '" + arg + "'");
        } else {
            files.push_back(arg);
        }
    }
    if (command != "project" && command != "check" && command != "explain") {
        return Usage(err, "unknown command '" + command + "'");
    }
    if (command == "explain") {
        return Explain(files, format == ProjectionFormat::Json, out, err);
    }
    if (files.size() != 1) {
        return Usage(err, files.empty() ? "missing FILE" : "more than one FILE");
    }
    return command == "project" ? Project(files.front(), format, out, err)
                                : Check(files.front(), out, err);
}
