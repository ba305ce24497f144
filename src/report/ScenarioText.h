#pragma once

#include "model/Scenarios.h"
#include "report/NumberWords.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The words of a comparison of scenarios, for orbelan-cli compare, the window's Scenarios pane,
// the report's scenarios page and the browser; numbers as the edition writes them.

// The names scenarios go by: each file's name without the folder and the plan extension, with
// " (2)", " (3)" after a name already taken, so that no two read the same.
std::vector<std::string> ScenarioNames(std::span<const std::string> files);

// "B lasts in 126 paths where A runs out; A lasts in 3 paths where B runs out; both last in
// 612, neither in 259."
std::string PairSentence(const PathAgreement& pair, std::string_view firstName,
                         std::string_view secondName,
                         const NumberWords& numbers = EnglishNumbers());

// One figure of every plan: its label, then one value per plan.
struct ScenarioFigure {
    std::string label;
    std::vector<std::string> values;
};

// The figures compared, in the order they are shown; the comparison must be done.
std::vector<ScenarioFigure> ScenarioFigures(const ScenarioComparison& comparison,
                                            const NumberWords& numbers = EnglishNumbers());

// The settings the paths were drawn with: "Over 1,000 paths, spread 10 points, seed 1."
std::string ScenarioSettingsSentence(const RiskSettings& settings,
                                     const NumberWords& numbers = EnglishNumbers());

// What the Scenarios pane says above the plans it compares, with `shown` scenarios beside the
// open plan.
std::string ScenarioIntroSentence(std::size_t shown);
std::string ScenarioNeedsCalculationSentence();
std::string ScenarioCancelledSentence();
// Why a comparison that did not finish has no figures; names as ScenarioNames gives them.
std::string ScenarioProblemSentence(const ScenarioComparison& comparison,
                                    std::span<const std::string> names);

// Why no other plan can be added.
std::string ScenariosFullSentence();
// Why a What If variant cannot be kept under the open plan's own name.
std::string KeepOverOpenPlanSentence();
// The name a kept What If variant is offered under, without extension: "home at 90 % expenses,
// returns -1 points".
std::string VariantFileStem(const std::string& planStem, std::int32_t expensesPercent,
                            std::int32_t returnPoints);

// The figures as columns under the names, then the settings, then a sentence per pair.
std::string FormatScenarioText(const ScenarioComparison& comparison,
                               std::span<const std::string> names);
