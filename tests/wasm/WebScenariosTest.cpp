#include "wasm/WebScenarios.h"

#include "model/WhatIf.h"
#include "report/ScenarioText.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// The page gets the figures and sentences the command line prints, and each plan's line.
TEST(WebScenariosTest, TheAnswerCarriesTheReportsWordsAndEachPlansLine) {
    const std::vector<Plan> plans{ProjectionExamplePlan(),
                                  *PlanVariant(ProjectionExamplePlan(), 80, 0)};
    const std::vector<std::string> files{"home.Orbe", "home.Orbe"};
    const RiskSettings settings{200, 20, 3, 56};
    const nlohmann::json json = nlohmann::json::parse(ScenarioRunJson(plans, files, settings, {}));
    const ScenarioComparison comparison = CompareScenarios(plans, settings);
    ASSERT_EQ(json["status"], "done");
    EXPECT_EQ(json["names"], nlohmann::json({"home", "home (2)"}));
    EXPECT_EQ(json["figures"][5]["values"][1], ScenarioFigures(comparison)[5].values[1]);
    EXPECT_EQ(json["pairs"][0]["sentence"], PairSentence(comparison.pairs[0], "home", "home (2)"));
    EXPECT_EQ(json["pairs"][0]["onlySecond"], comparison.pairs[0].onlySecond);
    EXPECT_EQ(json["tables"][1]["totalAssets"][0], comparison.plans[1].table.rows[0].totalAssets);

    Plan ageless = ProjectionExamplePlan();
    ageless.birthDate = MakeDate(2001, 2, 29);
    const std::vector<Plan> invalid{ProjectionExamplePlan(), ageless};
    const nlohmann::json problem =
        nlohmann::json::parse(ScenarioRunJson(invalid, files, settings, {}));
    EXPECT_EQ(problem["status"], "problem");
    EXPECT_EQ(problem["sentence"], "home (2): The birth date is not a valid date, so no age and no "
                                   "retirement year can be known: enter it again under General "
                                   "Data.");
    const RiskSettings young{200, 20, 3, 3};
    EXPECT_EQ(nlohmann::json::parse(ScenarioRunJson(plans, files, young, {}))["sentence"],
              "home: Age 3 comes before the projection's first year, 2000, at age 52: choose an "
              "age from 52 on.");
}
