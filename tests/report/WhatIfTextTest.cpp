#include "report/WhatIfText.h"
#include "report/UntilAgeCheck.h"

#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <vector>

TEST(WhatIfTextTest, HorizonSentences) {
    // Born 1948.
    const Plan plan = ProjectionExamplePlan();
    Plan ageless = plan;
    ageless.birthDate = MakeDate(2001, 2, 29);
    struct Case {
        Reach reach;
        const Plan* plan;
        const char* expected;
    };
    // Its expenses end in 2048, at age 100.
    Plan ending = plan;
    ending.expenses[0].annualEnd = MakeDate(2048, 12, 31);
    const std::vector<Case> cases{
        {{2004, 2005}, &plan, "Money lasts until 2004, age 56."},
        {{2004, 2005}, &ageless, "Money lasts until 2004."},
        {{2099, std::nullopt},
         &ending,
         "The money outlasts the plan's expenses, which end in 2048, at age 100."},
        // The rent runs to 2099, at 151 no age a plan is made for.
        {{2099, std::nullopt}, &plan, "The money outlasts the plan's expenses, which end in 2099."},
        {{2068, 2069}, &plan, "Money lasts until 2068, age 120."},
        {{2069, 2070}, &plan, "Money lasts until 2069."},
        {{1999, 2000}, &plan, "Money does not last the first year, 2000."},
        {{2039, 2040, 2040},
         &ending,
         "Money lasts at least until 2039, age 91. The projection stops at the calculation "
         "limit in 2040."},
        {{2039, 2040, 2040},
         &ageless,
         "Money lasts at least until 2039. The projection stops at the calculation limit in "
         "2040."},
        {{1999, 2000, 2000}, &plan, "The projection stops at the calculation limit in 2000."},
        // A new plan projects years 0 to 99: no age before the birth year.
        {{1947, std::nullopt}, &plan, "Money lasts through 1947, the last year projected."},
        {{1948, std::nullopt}, &plan, "Money lasts through 1948, age 0, the last year projected."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HorizonSentence(c.reach, *c.plan, 2000), c.expected);
}

TEST(WhatIfTextTest, SustainableSentences) {
    struct Case {
        SustainableSpending found;
        std::int32_t points;
        const char* expected;
    };
    const std::vector<Case> cases{
        {{SustainStatus::Found, 15}, 0, "15 % of planned expenses"},
        {{SustainStatus::Found, 0}, -1, "0 % of planned expenses with returns -1 point"},
        {{SustainStatus::NoneCovered},
         2,
         "None: the money runs out before then even without expenses with returns +2 points"},
        {{SustainStatus::StopsAtLimit, 0, 2040},
         0,
         "Unknown: the projection stops at the calculation limit in 2040"},
        {{SustainStatus::InvalidBirthDate},
         0,
         "The birth date is not a valid date, so no age and no retirement year can be known: "
         "enter it again under General Data."},
        {{SustainStatus::Stopped}, 0, "Could not be calculated"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SustainableSentence(c.found, c.points), c.expected);
}

TEST(WhatIfTextTest, SustainLinesOfTheCommandLine) {
    const std::vector<std::pair<SustainableSpending, const char*>> cases{
        {{SustainStatus::Found, 0}, "sustainable spending to age 90: 0%"},
        {{SustainStatus::NoneCovered}, "sustainable spending to age 90: none"},
        {{SustainStatus::StopsAtLimit, 0, 2040},
         "sustainable spending to age 90: unknown, the projection stops at the calculation limit "
         "in 2040"},
    };
    for (const auto& [found, expected] : cases)
        EXPECT_EQ(SustainLine(90, found), expected);
}

TEST(WhatIfTextTest, GridLegendNamesTheMilestonesAndTheLimit) {
    // Born 1948, retiring at 55 in 2003; age 95 is 2043.
    const Plan plan = ProjectionExamplePlan();
    HorizonGrid grid;
    for (auto& row : grid)
        row.fill(Reach{2004, 2005});
    const std::vector<GridLegendEntry> legend = GridLegend(grid, plan, 95);
    ASSERT_EQ(legend.size(), 3u);
    EXPECT_EQ(legend[0].text, "Runs out before retirement in 2003");
    EXPECT_EQ(legend[1].text, "Runs out before age 95 in 2043");
    EXPECT_EQ(legend[2].text, "Lasts to age 95 or longer");
    EXPECT_EQ(GridNote(grid, plan, 95), "");

    // A stop at the limit in 2040, before 2043: its own band. For age 80, 2028, the same stop
    // comes after the age: the cell lasts, and its "+" needs the note.
    grid[0][0] = Reach{2039, 2040, 2040};
    const std::vector<GridLegendEntry> limited = GridLegend(grid, plan, 95);
    ASSERT_EQ(limited.size(), 4u);
    EXPECT_EQ(limited[3].band, HorizonBand::UntilLimit);
    EXPECT_EQ(limited[3].text, "Lasts at least until the year with +, then the calculation limit");
    EXPECT_EQ(GridNote(grid, plan, 95), "");
    EXPECT_EQ(GridLegend(grid, plan, 80).size(), 3u);
    EXPECT_EQ(GridNote(grid, plan, 80),
              "A year with + is the last one reached before the projection stops at the "
              "calculation limit: the money lasts at least until then");

    Plan ageless = plan;
    ageless.birthDate = MakeDate(2001, 2, 29);
    const std::vector<GridLegendEntry> unknown = GridLegend(grid, ageless, 95);
    ASSERT_EQ(unknown.size(), 2u);
    EXPECT_EQ(unknown[0].band, HorizonBand::Lasting);
    EXPECT_EQ(unknown[1].band, HorizonBand::UntilLimit);

    // Age 51 comes before the first year, 2000, at 52: every cell would last to it, so none is
    // coloured and the legend says why.
    EXPECT_EQ(GridLegend(grid, plan, 51),
              (std::vector<GridLegendEntry>{{HorizonBand::Unknown, *UntilAgeProblem(plan, 51)}}));
    EXPECT_EQ(BandOf(Reach{2004, 2005}, plan, 51), HorizonBand::Unknown);
    EXPECT_EQ(BandOf(Reach{2004, 2005}, plan, 52), HorizonBand::Lasting);
}

TEST(WhatIfTextTest, CellsHeadingsAndPoints) {
    struct Case {
        Reach reach;
        const char* text;
        const char* tip;
    };
    const std::vector<Case> cases{
        {{2039, 2040, 2040}, "2039+", "Lasts at least until 2039, then the calculation limit"},
        {{2004, 2005}, "2004", "Lasts until 2004"},
        {{2099, std::nullopt}, "2099", "Lasts through 2099, the last year projected"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GridCellText(c.reach), c.text);
        EXPECT_EQ(GridCellTip(c.reach), c.tip);
    }
    EXPECT_EQ(GridExpensesHeading(70), "70%");
    EXPECT_EQ(GridReturnsHeading(-3), "-3");
    EXPECT_EQ(GridReturnsHeading(0), "+0");
    const std::vector<std::pair<std::int32_t, const char*>> points{
        {1, "+1 point"}, {-1, "-1 point"}, {0, "0 points"}, {-2, "-2 points"}, {13, "+13 points"}};
    for (const auto& [number, words] : points)
        EXPECT_EQ(PointsInWords(number), words);
}
