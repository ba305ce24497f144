#include "report/ProjectionJson.h"
#include "tests/support/ExamplePlans.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string BreakdownJson(const Plan& plan, JsonLayout layout) {
    ProjectionTable table;
    const ProjectionOutcome outcome = Calculate(plan, table);
    std::ostringstream out;
    WriteBreakdownJson(plan, table, outcome, layout, out);
    return out.str();
}

} // namespace

TEST(ProjectionJsonTest, WorkedExampleYear2001HasEveryItemAndDraw) {
    const nlohmann::json json =
        nlohmann::json::parse(BreakdownJson(ProjectionExamplePlan(), JsonLayout::Compact));
    const nlohmann::json expected2001 = nlohmann::json::parse(R"(
        {"year": 2001, "income": 874, "totalAssets": 2652, "availableAssets": 1103,
         "withdrawals": -600, "covered": true, "unpaid": 0,
         "incomes": [{"item": 0, "opening": 1050, "initial": 0, "annual": 0,
                      "interestRate": 5, "interest": 53, "tax": 0, "credited": 53,
                      "withdrawn": 600, "closing": 503},
                     {"item": 1, "opening": 728, "initial": 0, "annual": 1100,
                      "interestRate": 4, "interest": 73, "tax": 352, "credited": 821,
                      "withdrawn": 0, "closing": 1549}],
         "expenses": [{"item": 0, "initial": 0, "annual": 600}],
         "draws": [{"item": 0, "taxRate": 0, "gross": 600, "taken": 600, "received": 600}]})");
    EXPECT_EQ(json["firstYear"], 2000);
    EXPECT_EQ(json["rowCount"], 6);
    EXPECT_EQ(json["stoppedAtLimit"], false);
    ASSERT_EQ(json["years"].size(), 6u);
    EXPECT_EQ(json["years"][1], expected2001);
    EXPECT_EQ(json.size(), 4u);
}

TEST(ProjectionJsonTest, StreamedLayoutsAreTheLibrarysOwn) {
    Plan stopsAtOnce = ProjectionExamplePlan();
    stopsAtOnce.incomes.clear();
    for (const Plan& plan : {ProjectionExamplePlan(), stopsAtOnce}) {
        const std::string compact = BreakdownJson(plan, JsonLayout::Compact);
        const nlohmann::ordered_json parsed = nlohmann::ordered_json::parse(compact);
        EXPECT_EQ(compact, parsed.dump() + "\n");
        EXPECT_EQ(BreakdownJson(plan, JsonLayout::Indented), parsed.dump(2) + "\n");
    }
}
