#include "cli/ProjectCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "cli/ProjectionText.h"
#include "model/Projection.h"
#include "persist/UserMessages.h"
#include "report/ProjectionCsv.h"
#include "report/ProjectionJson.h"

namespace {

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

} // namespace

int RunProject(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseCommandArguments(args, {{"--csv", "--json"}, {}}, out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const CommandArguments& arguments = std::get<CommandArguments>(parsed);
    // The last of --csv and --json wins, as with any repeated choice.
    ProjectionFormat format = ProjectionFormat::Table;
    for (const std::string& flag : arguments.flags)
        format = flag == "--csv" ? ProjectionFormat::Csv : ProjectionFormat::Json;
    Plan plan;
    if (!OpenForProjection(arguments.operands.front(), plan, err))
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
