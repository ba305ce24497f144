#pragma once

#include "model/Scenarios.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The words of a comparison of scenarios, for orbelan-cli compare, the window's Scenarios pane,
// the report's scenarios page and the browser.

// The names scenarios go by: each file's name without the folder and the plan extension, with
// " (2)", " (3)" after a name already taken, so that no two read the same.
std::vector<std::string> ScenarioNames(std::span<const std::string> files);

// "B lasts in 126 paths where A runs out; A lasts in 3 paths where B runs out; both last in
// 612, neither in 259."
std::string PairSentence(const PathAgreement& pair, std::string_view firstName,
                         std::string_view secondName);

// One figure of every plan: its label, then one value per plan.
struct ScenarioFigure {
    std::string label;
    std::vector<std::string> values;
};

// The figures compared, in the order they are shown; the comparison must be done.
std::vector<ScenarioFigure> ScenarioFigures(const ScenarioComparison& comparison);

// The settings the paths were drawn with: "Over 1,000 paths, spread 10 points, seed 1."
std::string ScenarioSettingsSentence(const RiskSettings& settings);

// The figures as columns under the names, then the settings, then a sentence per pair.
std::string FormatScenarioText(const ScenarioComparison& comparison,
                               std::span<const std::string> names);
