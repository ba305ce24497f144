#include "report/GoalText.h"
#include "report/GoalJson.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

GoalAnswer Answer(std::optional<std::int32_t> spending, std::int32_t lastsToAge, bool toTheEnd,
                  std::int32_t stoppedAtLimit) {
    GoalAnswer answer;
    answer.needed = 900;
    answer.spending = spending;
    answer.lastsToAge = lastsToAge;
    answer.toTheEnd = toTheEnd;
    answer.stoppedAtLimit = stoppedAtLimit;
    return answer;
}

} // namespace

TEST(GoalTextTest, SentencesOfEveryAnswer) {
    const std::string lead = "At 90 % confidence (900 of 1,000 paths, spread 10 points, seed 1): ";
    GoalAnswer onePath = Answer(40, 70, false, 1);
    onePath.settings.risk.paths = 1;
    onePath.settings.risk.spread = 1;
    onePath.settings.confidence = 1;
    onePath.needed = 1;
    GoalAnswer cancelled;
    cancelled.status = GoalStatus::Stopped;
    GoalAnswer ageless;
    ageless.status = GoalStatus::InvalidBirthDate;
    const std::vector<std::pair<GoalAnswer, std::string>> cases{
        {Answer(96, 88, false, 0),
         lead + "spending up to 96 % of the planned expenses lasts to age 95. At the planned "
                "expenses the money lasts to age 88."},
        {Answer(std::nullopt, 60, false, 0),
         lead + "not even spending nothing lasts to age 95. At the planned expenses the money "
                "lasts to age 60."},
        {Answer(1000, 140, true, 12),
         lead + "spending up to 1000 % of the planned expenses lasts to age 95. 12 paths stop at "
                "the calculation limit before that age with every year paid, and count as "
                "lasting. At the planned expenses the money lasts to the end of the projection, "
                "at age 140."},
        {onePath, "At 1 % confidence (1 of 1 path, spread 1 point, seed 1): spending up to 40 % "
                  "of the planned expenses lasts to age 95. 1 path stops at the calculation limit "
                  "before that age with every year paid, and counts as lasting. At the planned "
                  "expenses the money lasts to age 70."},
        {cancelled, "Cancelled. Change an input to run it again."},
        {ageless, "Enter a birth date in General Data to see what the plan can spend."},
    };
    for (const auto& [answer, text] : cases)
        EXPECT_EQ(GoalAnswerText(answer, EnglishNumbers()), text);
}

TEST(GoalTextTest, JsonKeysInOrderAndNoSpendingAsNull) {
    GoalAnswer answer = Answer(std::nullopt, 88, true, 3);
    answer.settings.risk.seed = 18446744073709551615u;
    EXPECT_EQ(FormatGoalJson(answer),
              "{\n  \"confidence\": 90,\n  \"untilAge\": 95,\n  \"paths\": 1000,\n"
              "  \"spread\": 10,\n  \"seed\": 18446744073709551615,\n  \"needed\": 900,\n"
              "  \"spending\": null,\n  \"lastsToAge\": 88,\n  \"toTheEnd\": true,\n"
              "  \"stoppedAtLimit\": 3\n}\n");
}
