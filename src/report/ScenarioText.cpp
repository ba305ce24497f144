#include "report/ScenarioText.h"

#include "report/LimitText.h"
#include "report/OutlastText.h"
#include "report/PlanChecks.h"
#include "report/SignedPoints.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr std::string_view kPlanExtension = ".Orbe";
// The sentences spell the room beside the open plan out: three other plans.
static_assert(kMaxScenarios == 4);

std::string Paths(std::int32_t count, const NumberWords& numbers) {
    return numbers.whole(count) + (count == 1 ? " path" : " paths");
}

std::string SustainableText(const SustainableSpending& answer) {
    switch (answer.status) {
    case SustainStatus::Found:
        return std::to_string(answer.percent) + " %";
    case SustainStatus::StopsAtLimit:
        return "unknown: " + CalculationLimitIn(answer.limitYear);
    default:
        return "none";
    }
}

// The characters of UTF-8 text, as a terminal lines them up.
std::size_t Characters(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(),
        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, Characters(text)), ' ');
}

std::string LastsUntilText(const ScenarioResult& plan) {
    if (const std::optional<std::int32_t> end =
            OutlastedExpensesEnd(plan.reach, plan.lastExpenseYear))
        return OutlastsLabel(*end);
    return HorizonLabel(plan.reach);
}

} // namespace

std::vector<std::string> ScenarioNames(std::span<const std::string> files) {
    std::vector<std::string> names;
    for (std::string_view file : files) {
        const std::size_t slash = file.find_last_of('/');
        if (slash != std::string_view::npos)
            file.remove_prefix(slash + 1);
        if (file.size() > kPlanExtension.size() && file.ends_with(kPlanExtension))
            file.remove_suffix(kPlanExtension.size());
        std::string name(file);
        for (int n = 2; std::find(names.begin(), names.end(), name) != names.end(); ++n)
            name = std::string(file) + " (" + std::to_string(n) + ')';
        names.push_back(name);
    }
    return names;
}

std::string PairSentence(const PathAgreement& pair, std::string_view firstName,
                         std::string_view secondName, const NumberWords& numbers) {
    const std::string first(firstName);
    const std::string second(secondName);
    return second + " lasts in " + Paths(pair.onlySecond, numbers) + " where " + first +
           " runs out; " + first + " lasts in " + Paths(pair.onlyFirst, numbers) + " where " +
           second + " runs out; both last in " + numbers.whole(pair.both) + ", neither in " +
           numbers.whole(pair.neither) + '.';
}

std::vector<ScenarioFigure> ScenarioFigures(const ScenarioComparison& comparison,
                                            const NumberWords& numbers) {
    const std::int32_t age = comparison.settings.untilAge;
    const std::string toAge = " to age " + std::to_string(age);
    std::vector<ScenarioFigure> figures{{"First year", {}},
                                        {"Years projected", {}},
                                        {"Money lasts until", {}},
                                        {"Age " + std::to_string(age) + " in", {}},
                                        {"Sustainable spending" + toAge, {}},
                                        {"Paths that last" + toAge, {}},
                                        {"Share of paths that last", {}},
                                        {"Paths stopped at the calculation limit", {}}};
    for (const ScenarioResult& plan : comparison.plans) {
        // A plan that is not scored says why in its own column, in place of its figures.
        if (plan.verdict) {
            for (std::size_t f = 0; f < figures.size(); ++f)
                figures[f].values.push_back(f == 0 ? *plan.verdict : std::string());
            continue;
        }
        const std::string values[] = {std::to_string(plan.table.firstYear),
                                      std::to_string(plan.table.rowCount),
                                      LastsUntilText(plan),
                                      std::to_string(plan.risk.horizonYear),
                                      SustainableText(plan.sustainable),
                                      numbers.whole(plan.risk.successes) + " of " +
                                          numbers.whole(plan.risk.settings.paths),
                                      numbers.tenths(SuccessTenths(plan.risk)) + " %",
                                      numbers.whole(plan.risk.stoppedAtLimit)};
        for (std::size_t f = 0; f < figures.size(); ++f)
            figures[f].values.push_back(values[f]);
    }
    return figures;
}

std::string ScenarioSettingsSentence(const RiskSettings& settings, const NumberWords& numbers) {
    return "Over the same " + Paths(settings.paths, numbers) + " for every plan, spread " +
           std::to_string(settings.spread) + " points, seed " + std::to_string(settings.seed) + '.';
}

std::string ScenarioIntroSentence(std::size_t shown) {
    if (shown == 0) {
        return "Compare this plan with up to three other plan files, all run on the same paths: "
               "choose File > Compare With..., or keep a What If variant with Keep as "
               "Scenario.";
    }
    const std::size_t room = kMaxScenarios - 1 - shown;
    if (room == 0)
        return "Compared with three other plans, as many as there is room for: remove one to "
               "add another.";
    return "Compared with the plans below; File > Compare With... adds up to " +
           std::to_string(room) + " more.";
}

std::string ScenarioNeedsCalculationSentence() {
    return "Calculate the plan to compare it with the others.";
}

std::string ScenarioCancelledSentence() {
    return "Cancelled. Change a plan or a Risk input to compare again.";
}

std::string ScenarioProblemSentence(const ScenarioComparison& comparison,
                                    std::span<const std::string> names) {
    switch (comparison.status) {
    case ScenarioStatus::InvalidBirthDate:
        return names[comparison.failedPlan] + ": " + InvalidBirthDateProblem().sentence;
    case ScenarioStatus::CannotCalculate:
        return "Not enough memory to compare the plans.";
    case ScenarioStatus::Stopped:
        return ScenarioCancelledSentence();
    case ScenarioStatus::Done:
        break;
    }
    return {};
}

std::string ScenariosFullSentence() {
    return "Up to three plans can be compared with the open one: remove one in the Scenarios "
           "pane first.";
}

std::string KeepOverOpenPlanSentence() {
    return "Choose another name: this is the open plan's own file, which keeping a variant "
           "never changes.";
}

std::string VariantFileStem(const std::string& planStem, std::int32_t expensesPercent,
                            std::int32_t returnPoints) {
    return planStem + " at " + std::to_string(expensesPercent) + " % expenses, returns " +
           SignedPoints(returnPoints) + " points";
}

std::string FormatScenarioText(const ScenarioComparison& comparison,
                               std::span<const std::string> names) {
    const std::vector<ScenarioFigure> figures = ScenarioFigures(comparison);
    std::size_t labelWidth = 0;
    for (const ScenarioFigure& figure : figures)
        labelWidth = std::max(labelWidth, Characters(figure.label));
    std::vector<std::size_t> widths;
    for (std::size_t p = 0; p < names.size(); ++p) {
        std::size_t width = Characters(names[p]);
        for (const ScenarioFigure& figure : figures)
            width = std::max(width, Characters(figure.values[p]));
        widths.push_back(width);
    }
    const auto line = [&](const std::string& label, const auto& cell) {
        std::string text = Padded(label, labelWidth);
        for (std::size_t p = 0; p < names.size(); ++p)
            text += "  " + Padded(cell(p), widths[p]);
        while (text.ends_with(' '))
            text.pop_back();
        return text + '\n';
    };
    std::string text = line("", [&](std::size_t p) { return names[p]; });
    for (const ScenarioFigure& figure : figures)
        text += line(figure.label, [&](std::size_t p) { return figure.values[p]; });
    text += ScenarioSettingsSentence(comparison.settings) + '\n';
    for (const PathAgreement& pair : comparison.pairs)
        text += PairSentence(pair, names[pair.first], names[pair.second]) + '\n';
    return text;
}
