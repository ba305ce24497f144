#include "wasm/FirstPlanJson.h"

#include "tests/support/ExamplePlans.h"
#include "wasm/PlanJson.h"

#include <gtest/gtest.h>

using Json = nlohmann::json;

TEST(FirstPlanJsonTest, ProblemsNameTheirPartItemAndField) {
    const std::vector<PlanProblem> problems{{PlanPart::GeneralData, std::nullopt, "birthDate", "B"},
                                            {PlanPart::Income, std::nullopt, "initialAmount", "I"},
                                            {PlanPart::Expenses, 2, "name", "E"}};
    EXPECT_EQ(PlanChecksJson(problems),
              Json::parse(R"([{"part":"general","item":null,"field":"birthDate","sentence":"B"},
                              {"part":"income","item":null,"field":"initialAmount","sentence":"I"},
                              {"part":"expenses","item":2,"field":"name","sentence":"E"}])"));
}

TEST(FirstPlanJsonTest, AnswersComeBackAsTheyWent) {
    PlanAnswers answers = DefaultPlanAnswers(2026);
    answers.savingsInterest = 2.5f;
    EXPECT_EQ(AnswersToJson(answers)["birthYear"], 1986);
    EXPECT_EQ(AnswersToJson(answers)["savingsInterest"], RateBits(2.5f));
    EXPECT_EQ(AnswersFromJson(AnswersToJson(answers)), answers);
}

// Whatever the page sends, the core answers without stopping.
TEST(FirstPlanJsonTest, AnswersThatAreNotAnswersAreRefused) {
    const Json good = AnswersToJson(DefaultPlanAnswers(2026));
    for (const auto& [key, value] :
         std::vector<std::pair<const char*, Json>>{{"savings", "10"},
                                                   {"salary", 1.5},
                                                   {"pension", 4294967296LL},
                                                   {"salaryGrowth", -1},
                                                   {"retirementAge", nullptr}}) {
        Json bad = good;
        bad[key] = value;
        EXPECT_EQ(AnswersFromJson(bad), std::nullopt) << key;
    }
    Json missing = good;
    missing.erase("pensionAge");
    EXPECT_EQ(AnswersFromJson(missing), std::nullopt);
    EXPECT_EQ(AnswersFromJson(Json::array()), std::nullopt);
}
