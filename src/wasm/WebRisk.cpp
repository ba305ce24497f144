#include "wasm/WebRisk.h"

#include "model/YearBreakdown.h"
#include "persist/NumberText.h"
#include "report/ProjectionJson.h"
#include "report/RiskJson.h"
#include "report/RiskText.h"
#include "report/UntilAgeCheck.h"
#include "wasm/ExplanationJson.h"

#include <nlohmann/json.hpp>

#include <cstddef>

namespace {

// Keys in the order the command line writes them.
using Json = nlohmann::ordered_json;

bool IsPathOf(const RiskSettings& settings, std::int32_t path) {
    return path >= 0 && path < settings.paths;
}

} // namespace

std::optional<RiskSettings> RiskSettingsFrom(std::int32_t paths, std::int32_t spread,
                                             const std::string& seed, std::int32_t untilAge) {
    const std::optional<std::uint64_t> number = ParseSeedText(seed);
    if (!number)
        return std::nullopt;
    // Brought into range as the run brings them, so that a path is drawn with the offsets it
    // was run with.
    return WithinRanges(RiskSettings{paths, spread, *number, untilAge});
}

std::string RiskRunJson(const Plan& plan, const RiskSettings& settings,
                        const RiskProgress& progress, const NumberWords& numbers) {
    if (const std::optional<std::string> problem = UntilAgeProblem(plan, settings.untilAge))
        return Json{{"status", "ageProblem"}, {"answer", *problem}}.dump(-1, ' ', true);
    const RiskSummary summary = RunRisk(plan, settings, {}, progress, 1);
    const std::string answer = RiskAnswer(summary, numbers);
    switch (summary.status) {
    case RiskStatus::Done:
        break;
    case RiskStatus::InvalidBirthDate:
        return Json{{"status", "invalidBirthDate"}, {"answer", answer}}.dump();
    case RiskStatus::CannotCalculate:
    case RiskStatus::Stopped:
        return Json{{"status", "cannotCalculate"}, {"answer", answer}}.dump();
    }
    Json json = Json::parse(FormatRiskJson(summary));
    json["status"] = "done";
    json["answer"] = answer;
    json["successTenths"] = SuccessTenths(summary);
    json["worstPath"] = summary.worstPath;
    json["medianPath"] = summary.medianPath;
    json["worstPathName"] = RiskPathName(true, summary.worstPath);
    json["medianPathName"] = RiskPathName(false, summary.medianPath);
    // ASCII, as the page's other texts cross into JavaScript.
    return json.dump(-1, ' ', true);
}

std::string RiskPathJson(const Plan& plan, const RiskSettings& settings, std::int32_t path) {
    if (!IsPathOf(settings, path))
        return "null";
    const ReturnOffsets offsets = PathOffsets(settings.seed, settings.spread, path);
    const std::optional<PathProjection> projection = ProjectPath(plan, offsets, settings.untilAge);
    if (!projection)
        return "null";
    const ProjectionTable& table = projection->table;
    Json rows = Json::array();
    for (std::int32_t r = 0; r < table.rowCount; ++r) {
        const auto at = static_cast<std::size_t>(r);
        const ProjectionRow& row = table.rows[at];
        rows.push_back({table.firstYear + r, row.income, row.totalAssets, row.availableAssets,
                        row.withdrawals, offsets[at]});
    }
    const std::optional<std::int32_t> uncovered = projection->firstUncoveredYear;
    return Json{{"rows", rows},
                {"firstUncoveredYear", uncovered ? Json(*uncovered) : Json(nullptr)},
                {"stoppedAtLimit", projection->stoppedAtLimit}}
        .dump();
}

std::string PathYearJson(const Plan& plan, const RiskSettings& settings, std::int32_t path,
                         std::int32_t year, const ExplanationText& text,
                         ExplanationSettings lines) {
    if (!IsPathOf(settings, path))
        return "null";
    const ReturnOffsets offsets = PathOffsets(settings.seed, settings.spread, path);
    const std::optional<YearBreakdown> breakdown = ExplainYear(plan, year, offsets);
    if (!breakdown)
        return "null";
    const std::int32_t returns =
        offsets[static_cast<std::size_t>(year - FirstProjectionYear(plan))];
    if (lines.path)
        lines.path->points = returns;
    Json json = Json::parse(FormatYearJson(*breakdown), nullptr, false);
    json["returns"] = returns;
    json["lines"] = ExplanationJson(*breakdown, plan, text, lines);
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}
