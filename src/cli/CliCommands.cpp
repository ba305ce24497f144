#include "cli/CliCommands.h"

#include "cli/CliSupport.h"
#include "cli/ExplainCommand.h"
#include "cli/ProjectionText.h"
#include "cli/SaveCommand.h"
#include "cli/WhatIfCommands.h"
#include "model/Projection.h"
#include "persist/UserMessages.h"
#include "report/ProjectionCsv.h"
#include "report/ProjectionJson.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace {

constexpr const char* kHelp =
    R"(Usage: orbelan-cli project [--csv | --json] FILE
       orbelan-cli explain FILE YEAR
       orbelan-cli explain --json FILE
       orbelan-cli check FILE
       orbelan-cli sustain FILE [--until-age N]
       orbelan-cli sensitivity FILE
       orbelan-cli save IN OUT
       orbelan-cli --help
       orbelan-cli --version

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
  sustain FILE        Print the largest spending, as a whole percentage from 0
                      to 1000 of the planned expenses, that the plan covers in
                      every year up to the birth year + N:
                      "sustainable spending to age N: S%".
      --until-age N   The age N (default 95).
  sensitivity FILE    Print as CSV the horizon (the last year whose expenses
                      are paid in full) with interest rates moved by -3 to +3
                      points (rows) and expenses at 70% to 130% (columns).
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
  1  FILE cannot be opened, or is not a plan file; sustain: the plan's birth
     date is invalid
  2  bad usage
  3  check: FILE is damaged
  4  the calculation could not be done (out of memory)
  5  save: OUT could not be saved
)";

enum class ProjectionFormat { Table, Csv, Json };

std::optional<std::int32_t> ParseAge(const std::string& text) {
    std::int32_t age = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), age);
    if (error != std::errc{} || end != text.data() + text.size() || age < 0 || age > 1000)
        return std::nullopt;
    return age;
}

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
    if (!OpenForProjection(path, plan, err))
        return kExitCannotOpen;
    ProjectionTable table;
    const ProjectionOutcome outcome = Calculate(plan, table);
    if (outcome.status == ProjectionStatus::AllocationFailed) {
        err << kAllocationError << '\n';
        return kExitCannotCalculate;
    }
    out << FormatProjection(format, table, outcome);
    if (outcome.status == ProjectionStatus::AmountOutOfRange)
        err << OutOfRangeMessage(outcome.stoppedYear) << '\n';
    return kExitSuccess;
}

int Check(const std::string& path, std::ostream& out, std::ostream& err) {
    Plan plan;
    const auto opened = OpenForCli(path, plan, err);
    if (!opened)
        return kExitCannotOpen;
    if (opened->Damaged()) {
        out << path << ": damaged from line " << opened->damagedLine << '\n';
        return kExitDamaged;
    }
    out << path << ": opens cleanly (" << plan.incomes.size() << " income items, "
        << plan.expenses.size() << " expense items)\n";
    return kExitSuccess;
}

} // namespace

namespace {

struct CliArguments {
    ProjectionFormat format = ProjectionFormat::Table;
    std::int32_t untilAge = kDefaultUntilAge;
    std::vector<std::string> operands;
};

bool IsCommand(const std::string& command) {
    for (const char* known : {"project", "explain", "check", "save", "sustain", "sensitivity"})
        if (command == known)
            return true;
    return false;
}

// The command's options and operands; a usage status when they are wrong, or success after
// printing the help.
std::variant<CliArguments, int> ParseArguments(const std::string& command,
                                               std::span<const std::string> args, std::ostream& out,
                                               std::ostream& err) {
    CliArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--csv" && command == "project") {
            parsed.format = ProjectionFormat::Csv;
        } else if (arg == "--json" && (command == "project" || command == "explain")) {
            parsed.format = ProjectionFormat::Json;
        } else if (arg == "--until-age" && command == "sustain") {
            const std::optional<std::int32_t> age =
                i + 1 < args.size() ? ParseAge(args[i + 1]) : std::nullopt;
            if (!age)
                return Usage(err, "--until-age needs an age from 0 to 1000");
            parsed.untilAge = *age;
            ++i;
        } else if (arg == "--help" || arg == "-h") {
            out << kHelp;
            return kExitSuccess;
        } else if (arg.size() > 1 && arg.front() == '-') {
            return Usage(err, "unknown option '" + arg + "'");
        } else {
            parsed.operands.push_back(arg);
        }
    }
    return parsed;
}

} // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return Usage(err, "missing command");
    const std::string& command = args.front();
    if (command == "--help" || command == "-h") {
        out << kHelp;
        return kExitSuccess;
    }
    if (command == "--version") {
        out << "orbelan-cli " ORBELAN_VERSION "\n";
        return kExitSuccess;
    }
    if (!IsCommand(command))
        return Usage(err, "unknown command '" + command + "'");
    const auto parsed = ParseArguments(command, args.subspan(1), out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const CliArguments& arguments = std::get<CliArguments>(parsed);
    if (command == "explain")
        return Explain(arguments.operands, arguments.format == ProjectionFormat::Json, out, err);
    const std::vector<std::string>& operands = arguments.operands;
    if (command == "save") {
        if (operands.size() != 2)
            return Usage(err, operands.size() < 2 ? "missing FILE" : "more than two FILEs");
        return SavePlanCopy(operands[0], operands[1], err);
    }
    if (arguments.operands.size() != 1)
        return Usage(err, arguments.operands.empty() ? "missing FILE" : "more than one FILE");
    const std::string& file = arguments.operands.front();
    if (command == "project")
        return Project(file, arguments.format, out, err);
    if (command == "sustain")
        return Sustain(file, arguments.untilAge, out, err);
    if (command == "sensitivity")
        return Sensitivity(file, out, err);
    return Check(file, out, err);
}
