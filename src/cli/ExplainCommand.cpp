#include "cli/ExplainCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "cli/ExplainText.h"
#include "cli/TodaysMoneyOption.h"
#include "model/YearBreakdown.h"
#include "persist/UserMessages.h"
#include "report/LimitText.h"
#include "report/ProjectionJson.h"
#include "report/YearExplanation.h"
#include "session/ProjectionAnswer.h"

#include <climits>
#include <cstdint>
#include <optional>

namespace {

// The whole projection as JSON, written year by year as the engine finishes each.
int ExplainAsJson(const Plan& plan, JsonLayout layout, std::ostream& out, std::ostream& err) {
    const ProjectionAnswer answer = AskProjection(plan);
    if (!answer.verdict.Answered())
        return SayVerdict(answer.verdict, err);
    for (const std::string& note : answer.notes)
        err << note << '\n';
    WriteBreakdownJson(plan, answer.table, answer.outcome, layout, out);
    return kExitSuccess;
}

// One year's lines, as Year Details shows them. Only that year's breakdown is kept, so a plan
// of any size needs the memory of one year.
int ExplainYearText(const Plan& plan, std::int32_t year, const ExplanationSettings& settings,
                    std::ostream& out, std::ostream& err) {
    const ExplainedYear explained = ExplainOneYear(plan, year);
    const ProjectionOutcome& outcome = explained.outcome;
    if (outcome.status == ProjectionStatus::AllocationFailed) {
        err << kAllocationError << '\n';
        return kExitCannotCalculate;
    }
    const bool stopped = outcome.status == ProjectionStatus::AmountOutOfRange;
    if (stopped && year == outcome.stoppedYear) {
        err << "orbelan-cli: " << year << " could not be calculated. "
            << LimitMessage(outcome.stoppedYear) << '\n';
        return kExitBeyondLimit;
    }
    if (!explained.year && stopped && explained.table.rowCount == 0) {
        err << "orbelan-cli: " << NoYearBeforeLimitText(year, outcome.stoppedYear) << ".\n";
        return kExitBeyondLimit;
    }
    if (!explained.year) {
        const ProjectionTable& table = explained.table;
        std::string problem = "the projection has no year " + std::to_string(year);
        if (table.rowCount > 0) {
            problem += " (it covers " + std::to_string(table.firstYear) + " to " +
                       std::to_string(table.firstYear + table.rowCount - 1) + ")";
        }
        return Usage(err, problem);
    }
    // The last year's lines say it themselves.
    if (stopped && !explained.year->lastBeforeLimit)
        err << LimitMessage(outcome.stoppedYear) << '\n';
    const ExplanationText text = CliExplanationText();
    WriteExplanation(
        [&](const ExplanationLineSink& each) {
            ForEachExplanationLine(*explained.year, plan, text, settings, each);
        },
        out);
    return kExitSuccess;
}

} // namespace

int RunExplain(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseCommandArguments(
        args, {{"--json", "--pretty"}, {"--todays-money"}, std::nullopt}, out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const CommandArguments& arguments = std::get<CommandArguments>(parsed);
    const bool json = arguments.Has("--json");
    const std::vector<std::string>& operands = arguments.operands;
    const std::size_t expected = json ? 1 : 2;
    if (arguments.Has("--pretty") && !json)
        return Usage(err, "--pretty goes with --json");
    const std::optional<std::string> inflationText = arguments.Value("--todays-money");
    if (inflationText && json)
        return Usage(err, "--todays-money goes with explain FILE YEAR");
    if (operands.size() != expected)
        return Usage(err, json ? "explain --json takes one FILE" : "explain takes FILE and YEAR");
    ExplanationSettings settings;
    if (inflationText) {
        const std::optional<float> inflation = ParseInflation(*inflationText);
        if (!inflation)
            return Usage(err, InflationUsage());
        settings.todaysMoney = TodaysMoneyBasis{*inflation, CurrentYear()};
    }
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
    return ExplainYearText(plan, *year, settings, out, err);
}
