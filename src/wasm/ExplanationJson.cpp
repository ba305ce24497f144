#include "wasm/ExplanationJson.h"

nlohmann::ordered_json ExplanationJson(const YearBreakdown& year, const Plan& plan,
                                       const ExplanationText& text,
                                       const ExplanationSettings& settings) {
    nlohmann::ordered_json lines = nlohmann::ordered_json::array();
    for (const ExplanationLine& line : ExplainYearLines(year, plan, text, settings)) {
        lines.push_back({{"depth", line.depth},
                         {"label", line.label},
                         {"amount", line.amount ? nlohmann::ordered_json(*line.amount)
                                                : nlohmann::ordered_json(nullptr)},
                         {"emphasised", line.emphasised}});
    }
    return lines;
}
