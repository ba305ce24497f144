#include "report/GoalText.h"

#include "report/RiskText.h"

namespace {

std::string Paths(std::int64_t count, const NumberWords& numbers) {
    return numbers.whole(count) + (count == 1 ? " path" : " paths");
}

} // namespace

std::string GoalSpendingText(const GoalAnswer& answer, const NumberWords& numbers) {
    switch (answer.status) {
    case GoalStatus::Done:
        break;
    case GoalStatus::InvalidBirthDate:
        return "Enter a birth date in General Data to see what the plan can spend.";
    case GoalStatus::CannotCalculate:
        return "Not enough memory to calculate the paths.";
    case GoalStatus::Stopped:
        return RiskCancelledText();
    }
    const RiskSettings& risk = answer.settings.risk;
    const std::string age = std::to_string(risk.untilAge);
    std::string text = "At " + std::to_string(answer.settings.confidence) + " % confidence (" +
                       numbers.whole(answer.needed) + " of " + Paths(risk.paths, numbers) +
                       ", spread " + std::to_string(risk.spread) +
                       (risk.spread == 1 ? " point" : " points") + ", seed " +
                       std::to_string(risk.seed) + "): ";
    if (answer.spending)
        text += "spending up to " + std::to_string(*answer.spending) +
                " % of the planned expenses lasts to age " + age + '.';
    else
        text += "not even spending nothing lasts to age " + age + '.';
    if (answer.stoppedAtLimit > 0)
        text += ' ' + Paths(answer.stoppedAtLimit, numbers) +
                (answer.stoppedAtLimit == 1 ? " stops" : " stop") +
                " at the calculation limit before that age with every year paid, and " +
                (answer.stoppedAtLimit == 1 ? "counts" : "count") + " as lasting.";
    return text;
}

std::string GoalLastsText(const GoalAnswer& answer) {
    if (answer.status != GoalStatus::Done)
        return {};
    const std::string age = std::to_string(answer.lastsToAge);
    if (answer.toTheEnd)
        return "At the planned expenses the money lasts to the end of the projection, at age " +
               age + '.';
    return "At the planned expenses the money lasts to age " + age + '.';
}

std::string GoalAnswerText(const GoalAnswer& answer, const NumberWords& numbers) {
    const std::string lasts = GoalLastsText(answer);
    return GoalSpendingText(answer, numbers) + (lasts.empty() ? "" : ' ' + lasts);
}
