#include "report/ChartWords.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ChartWordsTest, MarksAndNamedLinesSayTheirYearAndName) {
    struct Case {
        std::string text;
        const char* expected;
    };
    const std::vector<Case> cases{
        {MarkText({ChartMarkKind::Retirement, 2040}), "Retirement 2040"},
        {MarkText({ChartMarkKind::NotCovered, 2051}), "2051: expenses not fully paid"},
        {MarkText({ChartMarkKind::CalculationLimit, 2016}),
         "The projection stops at the calculation limit in 2016"},
        // A name keeps its bytes: it is display text already.
        {TotalAssetsOf("Caf\xC3\xA9 fund"), "Total Assets (Caf\xC3\xA9 fund)"},
        {TodaysMoneyTitle(2026), "In 2026 money"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, c.expected);
}
