#include "report/ScenarioText.h"
#include "report/GroupedNumber.h"
#include "report/ScenarioCsv.h"
#include "report/ScenarioJson.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <vector>

namespace {

// Two plans by hand: A from 2000 with two rows, B from 2001 with two rows.
ScenarioComparison TwoPlans() {
    ScenarioComparison comparison;
    comparison.settings = {1000, 10, 7, 95};
    comparison.plans.resize(2);
    ScenarioResult& a = comparison.plans[0];
    a.table.firstYear = 2000;
    a.table.rowCount = 2;
    a.table.rows[0].totalAssets = 10;
    a.table.rows[1].totalAssets = -20;
    a.reach = {2001, std::nullopt};
    a.sustainable = {SustainStatus::Found, 112, 0};
    a.risk.settings = comparison.settings;
    a.risk.horizonYear = 2045;
    a.risk.successes = 873;
    ScenarioResult& b = comparison.plans[1];
    b.table.firstYear = 2001;
    b.table.rowCount = 2;
    b.table.rows[0].totalAssets = 30;
    b.table.rows[1].totalAssets = 40;
    b.reach = {2002, 2003, 2003};
    b.sustainable = {SustainStatus::StopsAtLimit, 0, 2003};
    b.risk.settings = a.risk.settings;
    b.risk.horizonYear = 2045;
    b.risk.stoppedAtLimit = 1000;
    comparison.pairs.push_back({0, 1, 0, 873, 0, 127});
    return comparison;
}

} // namespace

TEST(ScenarioTextTest, NamesDropTheFolderAndExtensionAndNeverRepeat) {
    const std::vector<std::string> files{"plans/retire at 60.Orbe", "other/retire at 60.Orbe",
                                         "retire at 60", ".Orbe", "a.b.Orbe.txt"};
    EXPECT_EQ(ScenarioNames(files),
              (std::vector<std::string>{"retire at 60", "retire at 60 (2)", "retire at 60 (3)",
                                        ".Orbe", "a.b.Orbe.txt"}));
}

TEST(ScenarioTextTest, PairSentenceCountsPathsAndGroupsThousands) {
    EXPECT_EQ(PairSentence({0, 1, 612, 3, 126, 259}, "A", "B"),
              "B lasts in 126 paths where A runs out; A lasts in 3 paths where B runs out; both "
              "last in 612, neither in 259.");
    EXPECT_EQ(PairSentence({0, 1, 1000, 1, 0, 12345}, "A", "B"),
              "B lasts in 0 paths where A runs out; A lasts in 1 path where B runs out; both "
              "last in 1,000, neither in 12,345.");
    EXPECT_EQ(GroupedNumber(-1234567), "-1,234,567");
}

TEST(ScenarioTextTest, TextPutsEachPlanInAColumn) {
    const std::vector<std::string> names{"A", "Bee"};
    EXPECT_EQ(
        FormatScenarioText(TwoPlans(), names),
        "                                        A             Bee\n"
        "First year                              2000          2001\n"
        "Years projected                         2             2\n"
        "Money lasts until                       2001          2002+\n"
        "Age 95 in                               2045          2045\n"
        "Sustainable spending to age 95          112 %         unknown: the calculation limit in "
        "2003\n"
        "Paths that last to age 95               873 of 1,000  0 of 1,000\n"
        "Share of paths that last                87.3 %        0.0 %\n"
        "Paths stopped at the calculation limit  0             1,000\n"
        "Over the same 1,000 paths for every plan, spread 10 points, seed 7.\n"
        "Bee lasts in 0 paths where A runs out; A lasts in 873 paths where Bee runs out; "
        "both last in 0, neither in 127.\n");
}

// Money that covers every year past the last expense outlasts the plan; one stopped at the limit
// is not known to.
TEST(ScenarioTextTest, MoneyPastTheLastExpenseOutlastsIt) {
    ScenarioComparison comparison = TwoPlans();
    comparison.plans[0].lastExpenseYear = 2001;
    comparison.plans[1].lastExpenseYear = 2000;
    EXPECT_EQ(ScenarioFigures(comparison)[2].values,
              (std::vector<std::string>{"beyond 2001, its last expense", "2002+"}));
    comparison.plans[0].lastExpenseYear = 2002;
    EXPECT_EQ(ScenarioFigures(comparison)[2].values[0], "2001") << "expenses it does not outlast";
}

TEST(ScenarioTextTest, CsvLeavesYearsWithoutARowEmptyAndQuotesNames) {
    const std::vector<std::string> names{"A", "say \"no\", then"};
    EXPECT_EQ(FormatScenarioCsv(TwoPlans(), names),
              "Year,Total Assets (A),\"Total Assets (say \"\"no\"\", then)\"\n"
              "2000,10,\n"
              "2001,-20,30\n"
              "2002,,40\n");
}

TEST(ScenarioTextTest, JsonGivesNullWhereAFigureIsUnknown) {
    const std::vector<std::string> files{"a.Orbe", "dir/b.Orbe"};
    const nlohmann::json json = nlohmann::json::parse(FormatScenarioJson(TwoPlans(), files));
    EXPECT_EQ(json["seed"], 7);
    EXPECT_EQ(json["plans"][0]["sustainable"], 112);
    EXPECT_TRUE(json["plans"][0]["sustainableStopsAtLimit"].is_null());
    EXPECT_TRUE(json["plans"][1]["sustainable"].is_null());
    EXPECT_EQ(json["plans"][1]["sustainableStopsAtLimit"], 2003);
    EXPECT_EQ(json["plans"][1]["file"], "dir/b.Orbe");
    EXPECT_EQ(json["plans"][1]["lastsUntil"], "2002+");
    EXPECT_EQ(json["pairs"][0],
              nlohmann::json::parse(R"({"first": 0, "second": 1, "both": 0, "onlyFirst": 873,
                                        "onlySecond": 0, "neither": 127})"));
}

// A plan that is not scored says why in its column and has no figure, in text as in JSON.
TEST(ScenarioTextTest, APlanNotScoredSaysWhyInItsColumn) {
    ScenarioComparison comparison = TwoPlans();
    comparison.plans[1] = ScenarioResult{};
    comparison.plans[1].verdict = "No first year.";
    comparison.pairs.clear();
    EXPECT_EQ(FormatScenarioText(comparison, std::vector<std::string>{"A", "Bee"}),
              "                                        A             Bee\n"
              "First year                              2000          No first year.\n"
              "Years projected                         2\n"
              "Money lasts until                       2001\n"
              "Age 95 in                               2045\n"
              "Sustainable spending to age 95          112 %\n"
              "Paths that last to age 95               873 of 1,000\n"
              "Share of paths that last                87.3 %\n"
              "Paths stopped at the calculation limit  0\n"
              "Over the same 1,000 paths for every plan, spread 10 points, seed 7.\n");
    const std::vector<std::string> files{"a.Orbe", "b.Orbe"};
    const nlohmann::json json = nlohmann::json::parse(FormatScenarioJson(comparison, files));
    EXPECT_EQ(json["plans"][1], nlohmann::json::parse(R"({"file": "b.Orbe",
                                                          "verdict": "No first year."})"));
}
