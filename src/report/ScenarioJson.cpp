#include "report/ScenarioJson.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

Json OrNull(bool present, std::int32_t value) {
    return present ? Json(value) : Json(nullptr);
}

} // namespace

std::string FormatScenarioJson(const ScenarioComparison& comparison,
                               std::span<const std::string> files) {
    const RiskSettings& settings = comparison.settings;
    // Keys stay in the order written, as a reader expects them.
    Json json{{"untilAge", settings.untilAge}, {"paths", settings.paths},
              {"spread", settings.spread},     {"seed", settings.seed},
              {"plans", Json::array()},        {"pairs", Json::array()}};
    for (std::size_t p = 0; p < comparison.plans.size(); ++p) {
        const ScenarioResult& plan = comparison.plans[p];
        const SustainableSpending& sustainable = plan.sustainable;
        if (plan.verdict) {
            json["plans"].push_back({{"file", files[p]}, {"verdict", *plan.verdict}});
            continue;
        }
        // A file name need not be UTF-8: its bytes that are not are replaced, not refused.
        json["plans"].push_back(
            {{"file", files[p]},
             {"firstYear", plan.table.firstYear},
             {"rowCount", plan.table.rowCount},
             {"lastsUntil", HorizonLabel(plan.reach)},
             {"horizonYear", plan.risk.horizonYear},
             {"sustainable",
              OrNull(sustainable.status == SustainStatus::Found, sustainable.percent)},
             {"sustainableStopsAtLimit",
              OrNull(sustainable.status == SustainStatus::StopsAtLimit, sustainable.limitYear)},
             {"successes", plan.risk.successes},
             {"stoppedAtLimit", plan.risk.stoppedAtLimit}});
    }
    for (const PathAgreement& pair : comparison.pairs) {
        json["pairs"].push_back({{"first", pair.first},
                                 {"second", pair.second},
                                 {"both", pair.both},
                                 {"onlyFirst", pair.onlyFirst},
                                 {"onlySecond", pair.onlySecond},
                                 {"neither", pair.neither}});
    }
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
}
