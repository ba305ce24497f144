#include "cli/RiskCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "cli/LongCalculations.h"
#include "cli/RiskSettingsArguments.h"
#include "report/ProjectionCsv.h"
#include "report/RiskJson.h"
#include "report/RiskText.h"
#include "report/SignedPoints.h"
#include "session/RiskAnswers.h"

#include <cstddef>
#include <optional>

namespace {

struct RiskRequest {
    RiskSettings settings;
    bool json = false;
    std::optional<std::int32_t> path;
};

// The request, or the usage status after saying what was wrong.
std::optional<RiskRequest> ReadRequest(const CommandArguments& arguments, std::ostream& err) {
    const std::optional<RiskSettings> settings = ReadRiskSettings(arguments, err);
    if (!settings)
        return std::nullopt;
    RiskRequest request;
    request.settings = *settings;
    request.json = arguments.Has("--json");
    if (const std::optional<std::string> given = arguments.Value("--path")) {
        request.path = ParseWholeNumber(*given, 0, request.settings.paths - 1);
        if (!request.path) {
            Usage(err, "--path needs a path number from 0 to the number of paths - 1");
            return std::nullopt;
        }
        if (request.json) {
            Usage(err, "--json and --path cannot be given together");
            return std::nullopt;
        }
    }
    return request;
}

// The projection's CSV with each row's offset in a sixth column.
std::string PathCsv(const ProjectionTable& table, const ReturnOffsets& offsets) {
    const std::string csv = FormatProjectionCsv(table);
    std::string text;
    std::size_t row = 0;
    for (std::size_t begin = 0; begin < csv.size();) {
        const std::size_t end = csv.find('\n', begin);
        text.append(csv, begin, end - begin);
        text += row == 0 ? std::string(",Returns") : ',' + SignedPoints(offsets[row - 1]);
        text += '\n';
        ++row;
        begin = end + 1;
    }
    return text;
}

int PrintPath(const Plan& plan, const RiskRequest& request, std::ostream& out, std::ostream& err) {
    const RiskPathAnswer answer = AskRiskPath(plan, request.settings, *request.path);
    if (!answer.verdict.Answered())
        return SayVerdict(answer.verdict, err);
    out << PathCsv(answer.path.table, answer.offsets);
    if (answer.limitNote)
        err << *answer.limitNote << '\n';
    return kExitSuccess;
}

void PrintSummary(const RiskSummary& summary, std::ostream& out) {
    const RiskSettings& settings = summary.settings;
    out << RiskAnswer(summary, EnglishNumbers()) << "\nSpread " << settings.spread
        << " points, seed " << settings.seed << ".\n";
    const auto amount = [](std::int64_t value) { return std::to_string(value); };
    for (const RiskYear& year : summary.years) {
        if (year.year % 10 != 0)
            continue;
        out << year.year << ": p10 " << PercentileText(year.p10, amount) << ", p50 "
            << PercentileText(year.p50, amount) << ", p90 " << PercentileText(year.p90, amount)
            << " (" << year.paths << (year.paths == 1 ? " path" : " paths");
        if (year.ranOut > 0)
            out << ", " << year.ranOut << " ran out";
        if (year.beyondLimit > 0)
            out << ", " << year.beyondLimit << " at the calculation limit";
        out << ")\n";
    }
}

} // namespace

int RunRiskCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseCommandArguments(
        args, {{"--json"}, {"--paths", "--spread", "--seed", "--until-age", "--path"}}, out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const CommandArguments& arguments = std::get<CommandArguments>(parsed);
    const std::optional<RiskRequest> request = ReadRequest(arguments, err);
    if (!request)
        return kExitUsage;
    Plan plan;
    if (!OpenForProjection(arguments.operands.front(), plan, err))
        return kExitCannotOpen;
    if (request->path)
        return PrintPath(plan, *request, out, err);
    const RiskRunAnswer answer = AskRiskShowingProgress(plan, request->settings, err);
    if (!answer.verdict.Answered())
        return SayVerdict(answer.verdict, err);
    if (request->json)
        out << FormatRiskJson(answer.summary);
    else
        PrintSummary(answer.summary, out);
    return kExitSuccess;
}
