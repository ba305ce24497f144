#include "cli/ProjectCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "cli/ProjectionText.h"
#include "report/ProjectionCsv.h"
#include "report/ProjectionJson.h"
#include "session/ProjectionAnswer.h"

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
    const ProjectionAnswer answer = AskProjection(plan);
    if (!answer.verdict.Answered())
        return SayVerdict(answer.verdict, err);
    out << FormatProjection(format, answer.table, answer.outcome);
    // The table stays as it is: what is said of it goes beside it.
    for (const std::string& note : answer.notes)
        err << note << '\n';
    return kExitSuccess;
}
