#include "cli/ExplainCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "cli/ExplainText.h"
#include "model/YearBreakdown.h"
#include "persist/UserMessages.h"
#include "report/ProjectionJson.h"

#include <climits>
#include <cstdint>
#include <optional>

namespace {

// The whole projection as JSON, written year by year as the engine finishes each.
int ExplainAsJson(const Plan& plan, JsonLayout layout, std::ostream& out, std::ostream& err) {
    ProjectionTable table;
    const ProjectionOutcome outcome = Calculate(plan, table);
    if (outcome.status == ProjectionStatus::AllocationFailed) {
        err << kAllocationError << '\n';
        return kExitCannotCalculate;
    }
    if (outcome.status == ProjectionStatus::AmountOutOfRange)
        err << OutOfRangeMessage(outcome.stoppedYear) << '\n';
    WriteBreakdownJson(plan, table, outcome, layout, out);
    return kExitSuccess;
}

} // namespace

int RunExplain(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed =
        ParseCommandArguments(args, {{"--json", "--pretty"}, {}, std::nullopt}, out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const CommandArguments& arguments = std::get<CommandArguments>(parsed);
    const bool json = arguments.Has("--json");
    const std::vector<std::string>& operands = arguments.operands;
    const std::size_t expected = json ? 1 : 2;
    if (arguments.Has("--pretty") && !json)
        return Usage(err, "--pretty goes with --json");
    if (operands.size() != expected)
        return Usage(err, json ? "explain --json takes one FILE" : "explain takes FILE and YEAR");
    std::optional<std::int32_t> year;
    if (!json) {
        year = ParseWholeNumber(operands[1], INT32_MIN, INT32_MAX);
        if (!year)
            return Usage(err, "YEAR must be a whole number, not '" + operands[1] + "'");
    }
    Plan plan;
    if (!OpenForProjection(operands[0], plan, err))
        return kExitCannotOpen;
    if (json)
        return ExplainAsJson(
            plan, arguments.Has("--pretty") ? JsonLayout::Indented : JsonLayout::Compact, out, err);
    const ProjectionBreakdown breakdown = ExplainProjection(plan);
    if (breakdown.outcome.status == ProjectionStatus::AllocationFailed) {
        err << kAllocationError << '\n';
        return kExitCannotCalculate;
    }
    if (breakdown.outcome.status == ProjectionStatus::AmountOutOfRange)
        err << OutOfRangeMessage(breakdown.outcome.stoppedYear) << '\n';
    for (const YearBreakdown& shown : breakdown.years) {
        if (shown.year == *year) {
            out << FormatYearExplanation(plan, shown);
            return kExitSuccess;
        }
    }
    const ProjectionTable& table = breakdown.table;
    std::string problem = "the projection has no year " + operands[1];
    if (table.rowCount > 0) {
        problem += " (it covers " + std::to_string(table.firstYear) + " to " +
                   std::to_string(table.firstYear + table.rowCount - 1) + ")";
    }
    return Usage(err, problem);
}
