#include "report/ReportRiskSentence.h"

std::string RiskReportSentence(const RiskSummary& summary, const ExplanationText& text) {
    const RiskSettings& settings = summary.settings;
    const std::string age = std::to_string(settings.untilAge);
    const std::string inputs = "returns varying by a spread of " + std::to_string(settings.spread) +
                               " points, seed " + std::to_string(settings.seed);
    if (summary.status != RiskStatus::Done)
        return "How sure the plan is could not be calculated.";
    if (summary.stoppedAtLimit == settings.paths)
        return "All " + text.amount(settings.paths) +
               " paths stop at the calculation limit before age " + age +
               ": how sure the plan is cannot be calculated (" + inputs + ").";
    std::string sentence = "The money lasts to age " + age + " in " +
                           text.amount(summary.successes) + " of " + text.amount(settings.paths) +
                           " paths: " + text.rate(static_cast<float>(SuccessTenths(summary)) / 10) +
                           " %, with " + inputs + ".";
    if (summary.stoppedAtLimit > 0)
        sentence += " " + text.amount(summary.stoppedAtLimit) +
                    " paths stopped at the calculation limit first and are not counted.";
    return sentence;
}
