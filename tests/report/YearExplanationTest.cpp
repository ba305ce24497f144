#include "report/YearExplanation.h"

#include "model/YearBreakdown.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Plain(std::int64_t amount) {
    return std::to_string(amount);
}

std::string Rate(float rate) {
    std::ostringstream text;
    text << rate;
    return text.str();
}

// A line as the tests write it: "" for no amount.
struct Expected {
    int depth;
    const char* label;
    const char* amount;
    bool emphasised;

    operator ExplanationLine() const {
        const std::string figure = amount;
        return {depth, label,
                figure.empty() ? std::nullopt : std::optional<std::int64_t>(std::stoll(figure)),
                emphasised};
    }
};

std::vector<ExplanationLine> Lines(const YearBreakdown& year, const Plan& plan,
                                   const ExplanationText& text = {Rate, Plain},
                                   const ExplanationSettings& settings = {}) {
    return ExplainYearLines(year, plan, text, settings);
}

void ExpectLines(const std::vector<ExplanationLine>& lines, const std::vector<Expected>& expected) {
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], ExplanationLine(expected[i])) << i << ' ' << lines[i].label;
}

} // namespace

// The worked example's 2002, whose figures orbelan-cli explain shows worked out: the lines add
// up from each opening balance to its closing one and from each gross draw to what arrived.
TEST(YearExplanationTest, TheWorkedYearReconciles) {
    const Plan plan = ProjectionExamplePlan();
    const std::vector<Expected> expected{
        {0, "Year 2002, age 54", "", false},
        {0, "Tax rate in force: 30 %", "", false},
        {0, "Income items", "53", false},
        {1, "Savings", "", false},
        {2, "Opening balance", "503", false},
        {2, "Interest at 2.5 %, counted as 2 %", "10", false},
        {2, "Credited", "10", false},
        {2, "Balance after credits", "513", false},
        {2, "Withdrawn", "-513", false},
        {2, "Closing balance", "0", false},
        {1, "Pension", "", false},
        {2, "Opening balance", "1549", false},
        {2, "Interest at 4 %", "62", false},
        {2, "Income tax", "-19", false},
        {2, "Credited", "43", false},
        {2, "Balance after credits", "1592", false},
        {2, "Withdrawn", "-124", false},
        {2, "Closing balance", "1468", false},
        {0, "Total Assets: the balances after credits", "2105", false},
        {0, "Available Assets: those open for withdrawal", "2105", false},
        {0, "Expenses", "600", false},
        {1, "Rent", "", false},
        {2, "Annual amount", "600", false},
        {0, "Withdrawals -637 = expenses 600 + withheld tax 37", "", false},
        {1, "1. Savings", "", false},
        {2, "Gross", "600", false},
        {2, "Taken", "513", false},
        {2, "Received", "513", false},
        {1, "2. Pension", "", false},
        {2, "Gross", "124", false},
        {2, "Taken", "124", false},
        {2, "Withheld tax at 30 %", "-37", false},
        {2, "Received", "87", false},
        {0, "All expenses paid", "", false},
    };
    ExpectLines(Lines(*ExplainYear(plan, 2002), plan), expected);
}

// The same year in the money of 2000 at 10 % inflation, every amount divided by 1.21: each
// part is rounded up or down so that the lines add up to the row as the table shows it in
// that money (44, 1,740, 1,740, -526), and what arrived pays the expenses exactly.
TEST(YearExplanationTest, InTodaysMoneyTheLinesStillAddUp) {
    const Plan plan = ProjectionExamplePlan();
    const std::vector<Expected> expected{
        {0, "Amounts in 2000 money at 10 % inflation a year", "", false},
        {0, "Year 2002, age 54", "", false},
        {0, "Tax rate in force: 30 %", "", false},
        {0, "Income items", "44", false},
        {1, "Savings", "", false},
        {2, "Opening balance", "416", false},
        {2, "Interest at 2.5 %, counted as 2 %", "8", false},
        {2, "Credited", "8", false},
        {2, "Balance after credits", "424", false},
        {2, "Withdrawn", "-424", false},
        {2, "Closing balance", "0", false},
        {1, "Pension", "", false},
        {2, "Opening balance", "1280", false},
        {2, "Interest at 4 %", "51", false},
        {2, "Income tax", "-15", false},
        {2, "Credited", "36", false},
        {2, "Balance after credits", "1316", false},
        {2, "Withdrawn", "-102", false},
        {2, "Closing balance", "1214", false},
        {0, "Total Assets: the balances after credits", "1740", false},
        {0, "Available Assets: those open for withdrawal", "1740", false},
        {0, "Expenses", "496", false},
        {1, "Rent", "", false},
        {2, "Annual amount", "496", false},
        {0, "Withdrawals -526 = expenses 496 + withheld tax 30", "", false},
        {1, "1. Savings", "", false},
        {2, "Gross", "496", false},
        {2, "Taken", "424", false},
        {2, "Received", "424", false},
        {1, "2. Pension", "", false},
        {2, "Gross", "102", false},
        {2, "Taken", "102", false},
        {2, "Withheld tax at 30 %", "-30", false},
        {2, "Received", "72", false},
        {0, "All expenses paid", "", false},
    };
    ExpectLines(Lines(*ExplainYear(plan, 2002), plan, {Rate, Plain},
                      {TodaysMoneyBasis{10.0F, 2000}, std::nullopt}),
                expected);
}

// A path of the risk run says how far its returns moved, as a sentence first and in each
// interest line with the rate they came to.
TEST(YearExplanationTest, APathsLinesSayHowItsReturnsMoved) {
    const Plan plan = ProjectionExamplePlan();
    ReturnOffsets offsets{};
    offsets[2] = 13;
    const std::vector<ExplanationLine> lines =
        Lines(*ExplainYear(plan, 2002, offsets), plan, {Rate, Plain},
              {std::nullopt, ExplainedPath{"worst path, no. 37", 13}});
    EXPECT_EQ(lines.at(0), ExplanationLine(Expected{
                               0, "Worst path, no. 37: returns moved by +13 points", "", true}));
    EXPECT_EQ(lines.at(6).label, "Interest at 2.5 % moved by +13 points: 15.5 %, counted as 15 %");
    EXPECT_EQ(lines.at(13).label, "Interest at 4 % moved by +13 points: 17 %, counted as 17 %");
}

TEST(YearExplanationTest, HeadingAgeRatesAndTheUnpaidSentence) {
    const Plan plan = ProjectionExamplePlan();
    Plan ageless = plan;
    ageless.birthDate = MakeDate(2001, 2, 29);
    const YearBreakdown unpaid = *ExplainYear(plan, 2005);
    YearBreakdown retirement;
    retirement.year = 2003;
    YearBreakdown beforeLimit;
    beforeLimit.year = 2015;
    beforeLimit.lastBeforeLimit = true;
    constexpr std::size_t kLast = SIZE_MAX;
    struct Case {
        const YearBreakdown* year;
        const Plan* plan;
        std::size_t line;
        Expected expected;
    };
    // Born 1948, retiring at 55 in 2003, when the tax rate falls from 30 to 20 %.
    const std::vector<Case> cases{
        {&retirement, &plan, 0, {0, "Year 2003, age 55, the retirement year", "", false}},
        {&retirement, &plan, 1, {0, "Tax rate in force: 20 %", "", false}},
        {&retirement, &ageless, 0, {0, "Year 2003", "", false}},
        {&unpaid,
         &plan,
         kLast,
         {0,
          "566 of this year's expenses could not be paid from the income items open for "
          "withdrawal.",
          "", true}},
        {&beforeLimit,
         &plan,
         kLast,
         {0,
          "The next year, 2016, could not be calculated: its amounts leave the range this "
          "program can calculate exactly, so the projection stops here.",
          "", true}},
    };
    for (const Case& c : cases) {
        const std::vector<ExplanationLine> lines = Lines(*c.year, *c.plan);
        const std::size_t at = c.line == kLast ? lines.size() - 1 : c.line;
        ASSERT_GT(lines.size(), at);
        EXPECT_EQ(lines[at], ExplanationLine(c.expected)) << lines[at].label;
    }
}

// Each edition writes the rates and a sentence's amounts its own way; names are shown by the
// one rule, an item without a name by its place in the list, and an item not yet open for
// withdrawal says so.
TEST(YearExplanationTest, NamesRatesAndSentenceAmounts) {
    Plan plan = ProjectionExamplePlan();
    plan.incomes[0].name = "Caf\xe9 fund";
    plan.incomes[1].name.clear();
    const ExplanationText marked{[](float rate) { return 'r' + Rate(rate); },
                                 [](std::int64_t amount) { return '$' + Plain(amount); }};
    const std::vector<ExplanationLine> lines = Lines(*ExplainYear(plan, 2002), plan, marked);
    const std::vector<std::pair<std::size_t, std::string>> expected{
        {1, "Tax rate in force: r30 %"},
        {3, "Caf\xc3\xa9 fund"},
        {5, "Interest at r2.5 %, counted as 2 %"},
        {10, "Income item 2"},
        {12, "Interest at r4 %"},
        {23, "Withdrawals $-637 = expenses $600 + withheld tax $37"},
        {24, "1. Caf\xc3\xa9 fund"},
        {28, "2. Income item 2"},
    };
    ASSERT_EQ(lines.size(), 34U);
    for (const auto& [line, label] : expected)
        EXPECT_EQ(lines[line].label, label) << line;
    EXPECT_EQ(Lines(*ExplainYear(plan, 2005), plan, marked).back().label,
              "$566 of this year's expenses could not be paid from the income items open for "
              "withdrawal.");
    EXPECT_EQ(Lines(*ExplainYear(plan, 2001), plan, marked).at(10).label,
              "Income item 2 (not yet open for withdrawal)");
}
