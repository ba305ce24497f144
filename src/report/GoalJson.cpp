#include "report/GoalJson.h"

#include <nlohmann/json.hpp>

std::string FormatGoalJson(const GoalAnswer& answer) {
    const RiskSettings& risk = answer.settings.risk;
    // Keys stay in the order written, as a reader expects them.
    const nlohmann::ordered_json json{{"confidence", answer.settings.confidence},
                                      {"untilAge", risk.untilAge},
                                      {"paths", risk.paths},
                                      {"spread", risk.spread},
                                      {"seed", risk.seed},
                                      {"needed", answer.needed},
                                      {"spending", answer.spending
                                                       ? nlohmann::ordered_json(*answer.spending)
                                                       : nlohmann::ordered_json(nullptr)},
                                      {"lastsToAge", answer.lastsToAge},
                                      {"toTheEnd", answer.toTheEnd},
                                      {"stoppedAtLimit", answer.stoppedAtLimit}};
    return json.dump(2) + '\n';
}
