#include "persist/PlanFile.h"
#include "tests/persist/PlanFileTexts.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <locale>

TEST(PlanFileWriteTest, WorkedExampleIs214BytesExactly) {
    const std::string bytes = PlanFileBytes(FileExamplePlan());
    EXPECT_EQ(bytes.size(), 214u);
    EXPECT_EQ(bytes, FileExampleText());
}

TEST(PlanFileWriteTest, NewPlanIs50Bytes) {
    const std::string year = std::to_string(CurrentLocalYear());
    const std::string retirement = std::to_string(CurrentLocalYear() + 55);
    const std::string expected =
        "2052206848\r\n1 1 " + year + "\r\n55\r\n1 1 " + retirement + "\r\n33\r\n33\r\n0\r\n0\r\n";
    EXPECT_EQ(PlanFileBytes(Plan{}), expected);
    EXPECT_EQ(expected.size(), 50u);
}

TEST(PlanFileWriteTest, RatesAreFormattedLikeGeneralPrintfWithThreeDigitExponents) {
    EXPECT_EQ(FormatRate(33.0f), "33");
    EXPECT_EQ(FormatRate(25.5f), "25.5");
    EXPECT_EQ(FormatRate(7.123456f), "7.12346");
    EXPECT_EQ(FormatRate(0.00001f), "1e-005");
    EXPECT_EQ(FormatRate(12345678.0f), "1.23457e+007");
    EXPECT_EQ(FormatRate(0.0001f), "0.0001");
    EXPECT_EQ(FormatRate(123456.0f), "123456");
    EXPECT_EQ(FormatRate(1234567.0f), "1.23457e+006");
    EXPECT_EQ(FormatRate(-2.5f), "-2.5");
    EXPECT_EQ(FormatRate(0.0f), "0");
    EXPECT_EQ(FormatRate(3e38f), "3e+038");
    EXPECT_EQ(FormatRate(0.1f), "0.1");
}

TEST(PlanFileWriteTest, DatesAndInvalidDates) {
    Plan plan;
    plan.birthDate = MakeDate(2000, 3, 1);
    plan.retirementDate = MakeDate(2001, 4, 31);
    const std::string bytes = PlanFileBytes(plan);
    EXPECT_EQ(bytes.substr(0, 36), "2052206848\r\n1 3 2000\r\n55\r\n-1 -1 -1\r\n");
}

namespace {

// A locale that writes 1.234,5 as many European ones do.
struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

} // namespace

TEST(PlanFileWriteTest, TheUsersLocaleChangesNothing) {
    const std::locale comma(std::locale::classic(), new CommaPunct);
    const std::locale previous = std::locale::global(comma);
    Plan plan = FileExamplePlan();
    plan.incomes[0].initialAmount = 1234567;
    const std::string bytes = PlanFileBytes(plan);
    std::locale::global(previous);
    EXPECT_NE(bytes.find("\r\n25.5\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n1234567\r\n"), std::string::npos);
}
