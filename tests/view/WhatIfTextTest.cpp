#include "view/WhatIfText.h"
#include "view/GridColors.h"

#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <set>

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
    const std::vector<Case> cases{
        {{2004, 2005}, &plan, "Money lasts until 2004, age 56"},
        {{2004, 2005}, &ageless, "Money lasts until 2004"},
        {{2099, std::nullopt}, &plan, "Money lasts through 2099, age 151, the last year projected"},
        {{1999, 2000}, &plan, "Money does not last the first year, 2000"},
        {{2039, 2040, 2040},
         &plan,
         "Money lasts at least until 2039, age 91. The projection stops at the calculation "
         "limit in 2040"},
        {{2039, 2040, 2040},
         &ageless,
         "Money lasts at least until 2039. The projection stops at the calculation limit in 2040"},
        {{1999, 2000, 2000}, &plan, "The projection stops at the calculation limit in 2000"},
        // A new plan projects years 0 to 99: no age before the birth year.
        {{1947, std::nullopt}, &plan, "Money lasts through 1947, the last year projected"},
        {{1948, std::nullopt}, &plan, "Money lasts through 1948, age 0, the last year projected"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HorizonSentence(c.reach, *c.plan, 2000).toStdString(), c.expected);
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
         "Enter a birth date in General Data to see ages and sustainable spending"},
        {{SustainStatus::Stopped}, 0, "Could not be calculated"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SustainableSentence(c.found, c.points).toStdString(), c.expected);
}

TEST(WhatIfTextTest, GridLegendNamesTheMilestones) {
    // Born 1948, retiring at 55 in 2003; age 95 is 2043.
    const Plan plan = ProjectionExamplePlan();
    const std::vector<GridLegendEntry> legend = GridLegend(plan, 95);
    ASSERT_EQ(legend.size(), 3u);
    EXPECT_EQ(legend[0].text, QStringLiteral("Runs out before retirement in 2003"));
    EXPECT_EQ(legend[1].text, QStringLiteral("Runs out before age 95 in 2043"));
    EXPECT_EQ(legend[2].text, QStringLiteral("Lasts to age 95 or longer"));
    std::set<QRgb> colours;
    for (const GridLegendEntry& entry : legend)
        colours.insert(BandColor(entry.band).rgb());
    EXPECT_EQ(colours.size(), 3u) << "each band its own colour";
    EXPECT_FALSE(BandColor(HorizonBand::Unknown).isValid());

    Plan ageless = plan;
    ageless.birthDate = MakeDate(2001, 2, 29);
    ASSERT_EQ(GridLegend(ageless, 95).size(), 1u);
    EXPECT_EQ(GridLegend(ageless, 95)[0].band, HorizonBand::Lasting);
}
