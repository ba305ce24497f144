#include "wasm/WebScenarios.h"

#include "report/ScenarioText.h"
#include "report/UntilAgeCheck.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

// ASCII only, so that the text crosses into JavaScript unchanged; a file name's bytes that are
// not UTF-8 are replaced.
std::string Text(const Json& json) {
    return json.dump(-1, ' ', true, Json::error_handler_t::replace);
}

} // namespace

std::string ScenarioRunJson(std::span<const Plan> plans, std::span<const std::string> files,
                            const RiskSettings& settings, const ScenarioProgress& progress) {
    const std::vector<std::string> names = ScenarioNames(files);
    if (const std::optional<std::string> problem = UntilAgeProblem(plans, names, settings.untilAge))
        return Text({{"status", "problem"}, {"sentence", *problem}});
    const ScenarioComparison comparison = CompareScenarios(plans, settings, {}, progress, 1);
    if (comparison.status != ScenarioStatus::Done)
        return Text(
            {{"status", "problem"}, {"sentence", ScenarioProblemSentence(comparison, names)}});
    Json json{{"status", "done"}, {"names", names}, {"figures", Json::array()}};
    for (const ScenarioFigure& figure : ScenarioFigures(comparison))
        json["figures"].push_back({{"label", figure.label}, {"values", figure.values}});
    json["settings"] = ScenarioSettingsSentence(comparison.plans.front().risk.settings);
    json["pairs"] = Json::array();
    for (const PathAgreement& pair : comparison.pairs) {
        json["pairs"].push_back(
            {{"first", pair.first},
             {"second", pair.second},
             {"both", pair.both},
             {"onlyFirst", pair.onlyFirst},
             {"onlySecond", pair.onlySecond},
             {"neither", pair.neither},
             {"sentence", PairSentence(pair, names[pair.first], names[pair.second])}});
    }
    json["tables"] = Json::array();
    for (const ScenarioResult& plan : comparison.plans) {
        Json totals = Json::array();
        for (std::int32_t r = 0; r < plan.table.rowCount; ++r)
            totals.push_back(plan.table.rows[static_cast<std::size_t>(r)].totalAssets);
        json["tables"].push_back({{"firstYear", plan.table.firstYear}, {"totalAssets", totals}});
    }
    return Text(json);
}
