#include "report/RiskJson.h"

#include <nlohmann/json.hpp>

namespace {

// A percentile beyond the calculation limit has no amount.
nlohmann::ordered_json Amount(const std::optional<std::int32_t>& amount) {
    return amount ? nlohmann::ordered_json(*amount) : nlohmann::ordered_json(nullptr);
}

} // namespace

std::string FormatRiskJson(const RiskSummary& summary) {
    // Keys stay in the order written, as a reader expects them.
    nlohmann::ordered_json json{{"paths", summary.settings.paths},
                                {"spread", summary.settings.spread},
                                {"seed", summary.settings.seed},
                                {"untilAge", summary.settings.untilAge},
                                {"horizonYear", summary.horizonYear},
                                {"successes", summary.successes},
                                {"stoppedAtLimit", summary.stoppedAtLimit},
                                {"years", nlohmann::ordered_json::array()}};
    for (const RiskYear& year : summary.years) {
        json["years"].push_back({{"year", year.year},
                                 {"paths", year.paths},
                                 {"ranOut", year.ranOut},
                                 {"beyondLimit", year.beyondLimit},
                                 {"p10", Amount(year.p10)},
                                 {"p50", Amount(year.p50)},
                                 {"p90", Amount(year.p90)}});
    }
    return json.dump(2) + '\n';
}
