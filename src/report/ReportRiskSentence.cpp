#include "report/ReportRiskSentence.h"

#include "report/RiskText.h"

NumberWords ReportNumbers(const ExplanationText& text) {
    return {text.amount,
            [&text](std::int32_t tenths) {
                return text.amount(tenths / 10) + "." + std::to_string(tenths % 10);
            }};
}

std::string RiskReportSentence(const RiskSummary& summary, const ExplanationText& text) {
    std::string answer = RiskAnswer(summary, ReportNumbers(text));
    if (summary.status != RiskStatus::Done)
        return answer;
    // The inputs that make the run reproducible close the pane's own answer.
    if (answer.back() == '.')
        answer.pop_back();
    const RiskSettings& settings = summary.settings;
    return answer + " (returns varying by a spread of " + std::to_string(settings.spread) +
           " points, seed " + std::to_string(settings.seed) + ").";
}
