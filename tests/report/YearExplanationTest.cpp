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

std::string Stored(const std::string& name) {
    return name;
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
                                   const ExplanationText& text = {Stored, Rate, Plain}) {
    return ExplainYearLines(year, plan, text);
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
        {2, "Withdrawn", "-513", false},
        {2, "Closing balance", "0", false},
        {1, "Pension", "", false},
        {2, "Opening balance", "1549", false},
        {2, "Interest at 4 %", "62", false},
        {2, "Income tax", "-19", false},
        {2, "Credited", "43", false},
        {2, "Withdrawn", "-124", false},
        {2, "Closing balance", "1468", false},
        {0, "Expenses", "600", false},
        {1, "Rent", "", false},
        {2, "Annual amount", "600", false},
        {0, "Withdrawals", "-637", false},
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
    const std::vector<ExplanationLine> lines = Lines(*ExplainYear(plan, 2002), plan);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], ExplanationLine(expected[i])) << i << ' ' << lines[i].label;
}

TEST(YearExplanationTest, HeadingAgeRatesAndTheUnpaidSentence) {
    const Plan plan = ProjectionExamplePlan();
    Plan ageless = plan;
    ageless.birthDate = MakeDate(2001, 2, 29);
    YearBreakdown unpaid;
    unpaid.year = 2005;
    unpaid.covered = false;
    unpaid.unpaid = 142;
    YearBreakdown retirement;
    retirement.year = 2003;
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
         5,
         {0,
          "142 of this year's expenses could not be paid from the income items open for "
          "withdrawal.",
          "", true}},
    };
    for (const Case& c : cases) {
        const std::vector<ExplanationLine> lines = Lines(*c.year, *c.plan);
        ASSERT_GT(lines.size(), c.line);
        EXPECT_EQ(lines[c.line], ExplanationLine(c.expected)) << lines[c.line].label;
    }
}

// Each edition writes the names, rates and the sentence's amount its own way; an item without
// a name is called by its place in the list.
TEST(YearExplanationTest, NamesRatesAndSentenceAmountsAsTheEditionWritesThem) {
    Plan plan = ProjectionExamplePlan();
    plan.incomes[1].name.clear();
    const ExplanationText marked{[](const std::string& name) { return '<' + name + '>'; },
                                 [](float rate) { return 'r' + Rate(rate); },
                                 [](std::int64_t amount) { return '$' + Plain(amount); }};
    YearBreakdown unpaid;
    unpaid.year = 2005;
    unpaid.covered = false;
    unpaid.unpaid = 142;
    const std::vector<ExplanationLine> lines = Lines(*ExplainYear(plan, 2002), plan, marked);
    const std::vector<std::pair<std::size_t, std::string>> expected{
        {1, "Tax rate in force: r30 %"},
        {3, "<Savings>"},
        {5, "Interest at r2.5 %, counted as 2 %"},
        {9, "Income item 2"},
        {11, "Interest at 4 %"},
        {17, "<Rent>"},
        {20, "1. <Savings>"},
        {24, "2. Income item 2"},
    };
    ASSERT_EQ(lines.size(), 30U);
    for (const auto& [line, label] : expected)
        EXPECT_EQ(lines[line].label, label) << line;
    EXPECT_EQ(Lines(unpaid, plan, marked).back().label,
              "$142 of this year's expenses could not be paid from the income items open for "
              "withdrawal.");
}
