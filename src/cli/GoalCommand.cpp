#include "cli/GoalCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "cli/LongCalculations.h"
#include "cli/RiskSettingsArguments.h"
#include "model/Goal.h"
#include "report/GoalJson.h"
#include "report/GoalText.h"
#include "report/RangeText.h"

#include <optional>

namespace {

// The settings, or empty after saying what was wrong (the caller gives the usage status).
std::optional<GoalSettings> ReadGoalSettings(const CommandArguments& arguments, std::ostream& err) {
    const std::optional<RiskSettings> risk = ReadRiskSettings(arguments, err);
    if (!risk)
        return std::nullopt;
    GoalSettings settings;
    settings.risk = *risk;
    if (const std::optional<std::string> given = arguments.Value("--confidence")) {
        const std::optional<std::int32_t> confidence =
            ParseWholeNumber(*given, kMinGoalConfidence, kMaxGoalConfidence);
        if (!confidence) {
            Usage(err, "--confidence: " + ConfidenceRangeText());
            return std::nullopt;
        }
        settings.confidence = *confidence;
    }
    return settings;
}

} // namespace

int RunGoalCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseCommandArguments(
        args, {{"--json"}, {"--confidence", "--until-age", "--paths", "--spread", "--seed"}}, out,
        err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const CommandArguments& arguments = std::get<CommandArguments>(parsed);
    const std::optional<GoalSettings> settings = ReadGoalSettings(arguments, err);
    if (!settings)
        return kExitUsage;
    Plan plan;
    if (!OpenForProjection(arguments.operands.front(), plan, err))
        return kExitCannotOpen;
    const GoalRunAnswer answer = AskGoalShowingProgress(plan, *settings, err);
    if (!answer.verdict.Answered())
        return SayVerdict(answer.verdict, err);
    if (arguments.Has("--json"))
        out << FormatGoalJson(answer.goal);
    else
        out << GoalAnswerText(answer.goal, EnglishNumbers()) << '\n';
    return kExitSuccess;
}
