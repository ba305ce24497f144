#include "cli/CompareCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "cli/LongCalculations.h"
#include "cli/RiskSettingsArguments.h"
#include "cli/ScenarioPlans.h"
#include "report/ScenarioCsv.h"
#include "report/ScenarioJson.h"
#include "report/ScenarioText.h"
#include "session/ComparisonAnswer.h"

#include <vector>

int RunCompare(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseCommandArguments(
        args, {{"--json", "--csv"}, {"--paths", "--spread", "--seed", "--until-age"}, std::nullopt},
        out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const CommandArguments& arguments = std::get<CommandArguments>(parsed);
    const std::vector<std::string>& files = arguments.operands;
    if (files.size() < 2)
        return Usage(err, "compare needs at least two FILEs");
    if (files.size() > kMaxScenarios)
        return Usage(err, "compare takes at most four FILEs");
    if (arguments.Has("--json") && arguments.Has("--csv"))
        return Usage(err, "--json and --csv cannot be given together");
    const std::optional<RiskSettings> settings = ReadRiskSettings(arguments, err);
    if (!settings)
        return kExitUsage;
    const std::optional<std::vector<Plan>> plans = OpenScenarioPlans(files, {}, err);
    if (!plans)
        return kExitCannotOpen;
    const ComparisonAnswer answer = AskComparisonShowingProgress(*plans, *settings, err);
    if (!answer.verdict.Answered())
        return SayVerdict(answer.verdict, err);
    const ScenarioComparison& comparison = answer.comparison;
    const std::vector<std::string> names = ScenarioNames(files);
    if (arguments.Has("--json"))
        out << FormatScenarioJson(comparison, files);
    else if (arguments.Has("--csv"))
        out << FormatScenarioCsv(comparison, names);
    else
        out << FormatScenarioText(comparison, names);
    return kExitSuccess;
}
