#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"
#include "tests/persist/PlanFileTexts.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

namespace {

struct ReadResult {
    Plan plan;
    PlanOpenResult open;
};

ReadResult Read(const std::string& bytes) {
    ReadResult result;
    result.open = ReadPlanFile(bytes, result.plan);
    return result;
}

// The general lines of a plan with one income and one expense item whose
// names and other lines the test chooses.
std::string Header(const std::string& incomeCount) {
    return "2052206848\r\n15 3 1960\r\n62\r\n15 3 2022\r\n33\r\n25.5\r\n" + incomeCount + "\r\n";
}

// The processor time this thread has used: unlike the time on the clock, other programs on
// a busy machine do not add to it.
std::chrono::nanoseconds ThreadCpuTime() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

} // namespace

TEST(PlanFileReadTest, WorkedExampleReadsBackWithEitherLineEnd) {
    for (const std::string lineEnd : {"\r\n", "\n"}) {
        const ReadResult read = Read(FileExampleText(lineEnd));
        EXPECT_EQ(read.open.status, PlanOpenStatus::Opened);
        EXPECT_FALSE(read.open.Damaged()) << read.open.damagedLine;
        EXPECT_EQ(read.plan, FileExamplePlan());
    }
}

TEST(PlanFileReadTest, RetirementDateIsTakenAsStored) {
    std::string text = FileExampleText();
    text.replace(text.find("15 3 2022"), 9, "1 7 2030");
    const ReadResult read = Read(text);
    EXPECT_EQ(read.plan.retirementDate, MakeDate(2030, 7, 1));
    EXPECT_EQ(read.plan.retirementAge, 62);
}

TEST(PlanFileReadTest, NamesKeepEveryByte) {
    for (const std::string name : {"  leading and trailing  ", "caf\xe9 \xfc\xdf",
                                   "\xc3\xa9t\xc3\xa9", "", "tab\there", "lone\rcarriage"}) {
        Plan plan = FileExamplePlan();
        plan.incomes[0].name = name;
        plan.expenses[0].name = name + "x";
        const ReadResult read = Read(PlanFileBytes(plan));
        EXPECT_EQ(read.plan, plan) << name;
        EXPECT_FALSE(read.open.Damaged());
    }
}

TEST(PlanFileReadTest, RatesKeepSixSignificantDigits) {
    Plan plan = FileExamplePlan();
    plan.incomes[0].growthRate = 7.123456f;
    plan.taxRateAfter = 0.00001f;
    const ReadResult read = Read(PlanFileBytes(plan));
    EXPECT_EQ(read.plan.incomes[0].growthRate, 7.12346f);
    EXPECT_EQ(read.plan.taxRateAfter, 0.00001f);
}

TEST(PlanFileReadTest, InvalidDatesRoundTrip) {
    Plan plan = FileExamplePlan();
    plan.incomes[0].annualEnd.SetDate(2001, 4, 31);
    const std::string bytes = PlanFileBytes(plan);
    EXPECT_NE(bytes.find("\r\n-1 -1 -1\r\n"), std::string::npos);
    const ReadResult read = Read(bytes);
    EXPECT_FALSE(read.plan.incomes[0].annualEnd.IsValid());
    EXPECT_FALSE(read.open.Damaged());
}

TEST(PlanFileReadTest, ExtraWhiteSpaceBetweenNumbersIsHarmless) {
    std::string text = FileExampleText();
    text.insert(0, "\r\n  \t\r\n ");
    text.replace(text.find("15 3 1960"), 9, "15   3\r\n\r\n1960");
    text.replace(text.find("\r\n62\r\n"), 6, "\r\n\t 62 \r\n\r\n");
    const ReadResult read = Read(text);
    EXPECT_EQ(read.plan, FileExamplePlan());
    EXPECT_FALSE(read.open.Damaged());
}

TEST(PlanFileReadTest, BlankAfterTheCountShiftsTheNameIntoTheNextField) {
    std::string text = FileExampleText();
    text.replace(text.find("\r\n1\r\nSavings"), 5, "\r\n1 \r\n");
    const ReadResult read = Read(text);
    // The blank is the one consumed character; the name is the empty rest of
    // line 7, and the flag is then read from "Savings account" on line 8.
    EXPECT_EQ(read.plan.incomes.size(), 1u);
    EXPECT_EQ(read.plan.incomes[0].name, "");
    EXPECT_EQ(read.open.damagedLine, 8u);
    EXPECT_EQ(read.plan.expenses.size(), 0u) << "the expense count was never read";
}

TEST(PlanFileReadTest, FileCutInsideAnItemEndsWithThatItem) {
    std::string text = Header("3") + "First\r\n0\r\n500\r\n1 1 2001\r\n7\r\n";
    const ReadResult read = Read(text);
    EXPECT_EQ(read.open.status, PlanOpenStatus::Opened);
    EXPECT_EQ(read.open.damagedLine, 13u) << "line 13 is missing";
    ASSERT_EQ(read.plan.incomes.size(), 1u) << "the items after the cut are not made up";
    const IncomeItem& first = read.plan.incomes[0];
    EXPECT_EQ(first.name, "First");
    EXPECT_FALSE(first.taxable);
    EXPECT_EQ(first.initialAmount, 500);
    EXPECT_EQ(first.annualAmount, 7);
    EXPECT_FALSE(first.annualStart.IsValid()) << "a date never read is invalid";
    EXPECT_EQ(first.growthRate, 0.0f);
    EXPECT_TRUE(first.withdrawalTaxable) << "keeps its default";
    EXPECT_TRUE(read.plan.expenses.empty()) << "a count never read appends nothing";
}

TEST(PlanFileReadTest, CountsOfZeroOrLessGiveNoItems) {
    for (const std::string count : {"0", "-3"}) {
        const ReadResult read = Read(Header(count) + count + "\r\n");
        EXPECT_TRUE(read.plan.incomes.empty());
        EXPECT_TRUE(read.plan.expenses.empty());
        EXPECT_FALSE(read.open.Damaged()) << count;
    }
}

TEST(PlanFileReadTest, FailuresKeepTheResetDefaultsAndNameTheLine) {
    struct Case {
        std::string from, to;
        std::size_t line;
    };
    const Case cases[] = {
        {"\r\n62\r\n", "\r\nsixty\r\n", 3},
        {"\r\n62\r\n", "\r\n2147483648\r\n", 3},
        {"\r\n25.5\r\n", "\r\n1e39\r\n", 6},
        {"Savings account\r\n1\r\n", "Savings account\r\n2\r\n", 9},
        {"\r\n1 1 2021\r\n", "\r\n1 x 2021\r\n", 14},
        {"\r\n0\r\n15 3 2022\r\n", "\r\n-1\r\n15 3 2022\r\n", 19},
    };
    for (const Case& c : cases) {
        std::string text = FileExampleText();
        text.replace(text.find(c.from), c.from.size(), c.to);
        const ReadResult read = Read(text);
        EXPECT_EQ(read.open.status, PlanOpenStatus::Opened) << c.to;
        EXPECT_EQ(read.open.damagedLine, c.line) << c.to;
        EXPECT_TRUE(read.plan.expenses.empty()) << c.to;
    }
    std::string text = FileExampleText();
    text.replace(text.find("\r\n62\r\n"), 6, "\r\nx\r\n");
    const ReadResult read = Read(text);
    EXPECT_EQ(read.plan.retirementAge, 55);
    EXPECT_EQ(read.plan.taxRateBefore, 33.0f);
    EXPECT_EQ(read.plan.taxRateAfter, 33.0f);
    EXPECT_TRUE(read.plan.incomes.empty());
}

TEST(PlanFileReadTest, NumbersEndAtTheFirstCharacterThatCannotContinueThem) {
    std::string text = FileExampleText();
    text.replace(text.find("\r\n25.5\r\n"), 8, "\r\n25.5e\r\n");
    // "25.5" is the rate; the 'e' is then left where the count should start.
    const ReadResult read = Read(text);
    EXPECT_EQ(read.plan.taxRateAfter, 25.5f);
    EXPECT_EQ(read.open.damagedLine, 6u);
}

TEST(PlanFileReadTest, HostileCountOpensQuicklyWithBoundedItems) {
    std::string text = Header("2000000000") + "x\r\n";
    text.resize(200, ' ');
    const auto start = ThreadCpuTime();
    const ReadResult read = Read(text);
    EXPECT_LT(ThreadCpuTime() - start, std::chrono::milliseconds(200));
    EXPECT_TRUE(read.open.Damaged());
    EXPECT_EQ(read.plan.incomes.size(), 1u);
}

TEST(PlanFileReadTest, LargestCountOverABigFileOfSpacesGivesOneItem) {
    std::string text = Header("2147483647");
    text.resize(9 * 1024 * 1024, ' ');
    const ReadResult read = Read(text);
    EXPECT_TRUE(read.open.Damaged());
    EXPECT_EQ(read.plan.incomes.size(), 1u);
    EXPECT_TRUE(read.plan.expenses.empty());
}

TEST(PlanFileReadTest, TheSignatureDecidesWhetherTheFileIsAPlan) {
    Plan plan = FileExamplePlan();
    for (const std::string bytes : {"", "2052206847\r\n", "2052206849\r\n", "hello world\r\n",
                                    "-2052206848\r\n", "20522068480\r\n"})
        EXPECT_EQ(ReadPlanFile(bytes, plan).status, PlanOpenStatus::FormatError) << bytes;
    EXPECT_EQ(plan, FileExamplePlan()) << "a file that is not a plan changes nothing";
    EXPECT_EQ(ReadPlanFile("  \r\n\r\n2052206848", plan).status, PlanOpenStatus::Opened);
}
