#include "wasm/PlanJson.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(PlanJsonTest, EveryByteOfANameComesBack) {
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        bytes += static_cast<char>(b);
    const std::string text = BytesToLatin1Utf8(bytes);
    EXPECT_EQ(text.substr(0, 3), "\x01\x02\x03");
    EXPECT_EQ(text.substr(text.size() - 2), "\xC3\xBF") << "0xFF travels as U+00FF";
    EXPECT_EQ(Latin1Utf8ToBytes(text), bytes);
}

TEST(PlanJsonTest, ANameAboveU00FFIsRefused) {
    for (const char* text : {"\xC4\x80", "\xE2\x82\xAC", "\xC3"})
        EXPECT_EQ(Latin1Utf8ToBytes(text), std::nullopt) << text;
}

// Whatever the page sends, the answer is a value: the browser build cannot catch a throw.
TEST(PlanJsonTest, TextThatIsNotAPlanIsRefusedWithoutThrowing) {
    const std::string plan = PlanToJson(FileExamplePlan()).dump();
    const auto with = [&plan](const std::string& from, const std::string& to) {
        std::string changed = plan;
        changed.replace(changed.find(from), from.size(), to);
        return changed;
    };
    EXPECT_EQ(PlanFromJsonText(plan), FileExamplePlan());
    for (const std::string& text :
         {std::string("{"), std::string("[]"), std::string("null"), plan.substr(1),
          with("\"retirementAge\":", "\"retirementAge\":\"65\",\"x\":"),
          with("\"retirementAge\":", "\"retirementAge\":2147483648,\"x\":"),
          with("\"retirementAge\":", "\"retirementAge\":1.5,\"x\":"),
          with("\"taxRateBefore\":", "\"taxRateBefore\":-1,\"x\":"),
          with("\"taxable\":", "\"taxable\":0,\"x\":"),
          with("\"incomes\":", "\"incomes\":{},\"x\":"),
          with("\"birthDate\":", "\"birthDate\":[1,2],\"x\":"),
          with("\"name\":\"", "\"name\":\"\u0100")})
        EXPECT_EQ(PlanFromJsonText(text), std::nullopt) << text;
}

TEST(PlanJsonTest, APlanComesBackWhole) {
    Plan plan = FileExamplePlan();
    plan.incomes.at(0).name = "Caf\xE9";
    plan.incomes.at(0).rateBefore = std::numeric_limits<float>::quiet_NaN();
    plan.incomes.at(0).rateAfter = -std::numeric_limits<float>::infinity();
    plan.expenses.at(0).annualEnd.SetDate(-1, -1, -1);
    const nlohmann::json json = PlanToJson(plan);
    EXPECT_TRUE(json["expenses"][0]["annualEnd"].is_null());
    EXPECT_EQ(json["taxRateBefore"], RateBits(plan.taxRateBefore));
    Plan back = *PlanFromJson(nlohmann::json::parse(json.dump()));
    EXPECT_TRUE(std::isnan(back.incomes[0].rateBefore));
    EXPECT_EQ(RateBits(back.incomes[0].rateBefore), RateBits(plan.incomes[0].rateBefore));
    // NaN equals nothing: the rest compares once its bits are known to have come back.
    plan.incomes[0].rateBefore = back.incomes[0].rateBefore = 0.0f;
    EXPECT_EQ(back, plan);
}
