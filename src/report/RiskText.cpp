#include "report/RiskText.h"
#include "report/PlanChecks.h"

#include <limits>

namespace {

std::string Paths(std::int64_t count, const NumberWords& numbers) {
    return numbers.whole(count) + (count == 1 ? " path" : " paths");
}

std::string SeedRange() {
    return ": a whole number from 0 to " +
           std::to_string(std::numeric_limits<std::uint64_t>::max()) + '.';
}

} // namespace

std::string RiskAnswer(const RiskSummary& summary, const NumberWords& numbers) {
    switch (summary.status) {
    case RiskStatus::Done:
        break;
    case RiskStatus::InvalidBirthDate:
        return InvalidBirthDateProblem().sentence;
    case RiskStatus::CannotCalculate:
        return "Not enough memory to calculate the paths.";
    case RiskStatus::Stopped:
        return RiskCancelledText();
    }
    const std::int32_t paths = summary.settings.paths;
    const std::string age = std::to_string(summary.settings.untilAge);
    if (summary.stoppedAtLimit >= paths) {
        const std::string which =
            paths == 1 ? "The only path stops" : "All " + Paths(paths, numbers) + " stop";
        return which + " at the calculation limit before age " + age +
               ": how sure the plan is cannot be calculated.";
    }
    // The share keeps its sign on its line.
    std::string answer = "The money lasts to age " + age + " in " +
                         numbers.whole(summary.successes) + " of " + Paths(paths, numbers) + ": " +
                         numbers.tenths(SuccessTenths(summary)) + "\u00a0%";
    if (summary.stoppedAtLimit > 0) {
        answer += "; " + Paths(summary.stoppedAtLimit, numbers) +
                  " stopped at the calculation limit first and " +
                  (summary.stoppedAtLimit == 1 ? "is" : "are") + " not counted.";
    }
    return answer;
}

std::string RiskCancelledText() {
    return "Cancelled. Change an input to run it again.";
}

std::string RiskNeedsCalculationText() {
    return "Calculate the plan to see how sure it is.";
}

std::string EnterSeedText() {
    return "Enter a seed" + SeedRange();
}

std::string EnterSeedInRiskText() {
    return "Enter a seed in Risk" + SeedRange();
}

std::string RiskSpreadTip() {
    return "How far the returns vary from year to year, in points: about two thirds of the years "
           "lie within it";
}

std::string RiskSeedTip() {
    return "The same seed gives the same paths, on any computer";
}

std::string RiskPathTip(bool worst) {
    if (worst)
        return "The path whose money runs out soonest, or else ends lowest, among the worst tenth";
    return "The path in the middle of all the paths";
}

std::string RiskPathName(bool worst, std::int32_t path) {
    return (worst ? "worst path, no. " : "median path, no. ") + std::to_string(path);
}

std::string PercentileText(const std::optional<std::int32_t>& amount,
                           const std::function<std::string(std::int64_t)>& amountText) {
    return amount ? amountText(*amount) : "beyond the calculation limit";
}
