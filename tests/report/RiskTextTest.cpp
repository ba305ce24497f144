#include "report/RiskText.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

RiskSummary Summary(std::int32_t paths, std::int32_t successes, std::int32_t stoppedAtLimit) {
    RiskSummary summary;
    summary.settings.paths = paths;
    summary.successes = successes;
    summary.stoppedAtLimit = stoppedAtLimit;
    return summary;
}

} // namespace

TEST(RiskTextTest, TheAnswerCountsPathsAtTheLimitApart) {
    struct Case {
        RiskSummary summary;
        const char* answer;
    };
    const std::vector<Case> cases{
        {Summary(1000, 381, 12),
         "The money lasts to age 95 in 381 of 1,000 paths: 38.1\u00a0%; 12 paths stopped at the "
         "calculation limit first and are not counted."},
        {Summary(1000, 873, 0), "The money lasts to age 95 in 873 of 1,000 paths: 87.3\u00a0%"},
        {Summary(10000, 0, 1),
         "The money lasts to age 95 in 0 of 10,000 paths: 0.0\u00a0%; 1 path stopped at the "
         "calculation limit first and is not counted."},
        {Summary(1, 1, 0), "The money lasts to age 95 in 1 of 1 path: 100.0\u00a0%"},
        {Summary(1000, 0, 1000),
         "All 1,000 paths stop at the calculation limit before age 95: how sure the plan is "
         "cannot be calculated."},
        {Summary(1, 0, 1),
         "The only path stops at the calculation limit before age 95: how sure the plan is "
         "cannot be calculated."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RiskAnswer(c.summary, EnglishNumbers()), c.answer);

    RiskSummary stopped = Summary(1000, 0, 0);
    stopped.status = RiskStatus::Stopped;
    EXPECT_EQ(RiskAnswer(stopped, EnglishNumbers()), RiskCancelledText());
}

TEST(RiskTextTest, NumbersAsTheCommandLineWritesThem) {
    const NumberWords numbers = EnglishNumbers();
    EXPECT_EQ(numbers.whole(-1234567), "-1,234,567");
    EXPECT_EQ(numbers.tenths(381), "38.1");
    EXPECT_EQ(numbers.tenths(1000), "100.0");
    EXPECT_EQ(numbers.tenths(5), "0.5");
    EXPECT_EQ(numbers.tenths(-15), "-1.5");
    const auto plain = [](std::int64_t amount) { return std::to_string(amount); };
    EXPECT_EQ(PercentileText(-12, plain), "-12");
    EXPECT_EQ(PercentileText(std::nullopt, plain), "beyond the calculation limit");
}

TEST(RiskTextTest, PathsGoByTheirNumberAndTheSeedByItsRange) {
    EXPECT_EQ(RiskPathName(true, 0), "worst path, no. 0");
    EXPECT_EQ(RiskPathName(false, 9999), "median path, no. 9999");
    EXPECT_EQ(EnterSeedText(), "Enter a seed: a whole number from 0 to 18446744073709551615.");
    EXPECT_EQ(EnterSeedInRiskText(),
              "Enter a seed in Risk: a whole number from 0 to 18446744073709551615.");
}
