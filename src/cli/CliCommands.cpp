#include "cli/CliCommands.h"

#include "cli/CliOpen.h"
#include "cli/ProjectionText.h"
#include "cli/WhatIfCommands.h"
#include "model/Projection.h"
#include "persist/UserMessages.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr const char* kHelp =
    R"(Usage: orbelan-cli project [--csv] FILE
       orbelan-cli check FILE
       orbelan-cli sustain FILE [--until-age N]
       orbelan-cli sensitivity FILE
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
)";

int Usage(std::ostream& err, const std::string& problem) {
    err << "orbelan-cli: " << problem << "\nTry 'orbelan-cli --help'.\n";
    return kExitUsage;
}

std::optional<std::int32_t> ParseAge(const std::string& text) {
    std::int32_t age = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), age);
    if (error != std::errc{} || end != text.data() + text.size() || age < 0 || age > 1000) {
        return std::nullopt;
    }
    return age;
}

int Project(const std::string& path, bool csv, std::ostream& out, std::ostream& err) {
    Plan plan;
    if (!OpenToProject(path, plan, err)) {
        return kExitCannotOpen;
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
    if (command == "--version") {
        out << "orbelan-cli " ORBELAN_VERSION "\n";
        return kExitSuccess;
    }
    bool csv = false;
    std::int32_t untilAge = kDefaultUntilAge;
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--csv" && command == "project") {
            csv = true;
        } else if (arg == "--until-age" && command == "sustain") {
            const std::optional<std::int32_t> age =
                i + 1 < args.size() ? ParseAge(args[i + 1]) : std::nullopt;
            if (!age) {
                return Usage(err, "--until-age needs an age from 0 to 1000");
            }
            untilAge = *age;
            ++i;
        } else if (arg == "--help" || arg == "-h") {
            out << kHelp;
            return kExitSuccess;
        } else if (arg.size() > 1 && arg.front() == '-') {
            return Usage(err, "unknown option '" + arg + "'");
        } else {
            files.push_back(arg);
        }
    }
    if (command != "project" && command != "check" && command != "sustain" &&
        command != "sensitivity") {
        return Usage(err, "unknown command '" + command + "'");
    }
    if (files.size() != 1) {
        return Usage(err, files.empty() ? "missing FILE" : "more than one FILE");
    }
    const std::string& file = files.front();
    if (command == "project") {
        return Project(file, csv, out, err);
    }
    if (command == "sustain") {
        return Sustain(file, untilAge, out, err);
    }
    if (command == "sensitivity") {
        return Sensitivity(file, out, err);
    }
    return Check(file, out, err);
}
