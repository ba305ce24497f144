#include "model/PlanDate.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

TEST(PlanDateTest, DefaultIsFirstOfJanuaryOfThisYear) {
    const PlanDate date;
    EXPECT_TRUE(date.IsValid());
    EXPECT_EQ(date.GetYear(), CurrentLocalYear());
    EXPECT_EQ(date.GetMonth(), 1);
    EXPECT_EQ(date.GetDay(), 1);
}

TEST(PlanDateTest, GregorianValidity) {
    struct Case {
        int year, month, day;
        bool valid;
    };
    const Case cases[] = {
        {2000, 2, 29, true},  {1900, 2, 29, false}, {2024, 2, 29, true},  {2023, 2, 29, false},
        {2001, 4, 31, false}, {2001, 12, 31, true}, {2001, 13, 1, false}, {2001, 0, 1, false},
        {2001, 1, 0, false},  {100, 1, 1, true},    {99, 12, 31, false},  {9999, 12, 31, true},
        {10000, 1, 1, false}, {-1, -1, -1, false},  {2001, 1, 32, false},
    };
    for (const Case& c : cases) {
        PlanDate date;
        date.SetDate(c.year, c.month, c.day);
        EXPECT_EQ(date.IsValid(), c.valid) << c.year << '-' << c.month << '-' << c.day;
        EXPECT_EQ(date.GetYear(), c.valid ? c.year : -1);
        EXPECT_EQ(date.GetMonth(), c.valid ? c.month : -1);
        EXPECT_EQ(date.GetDay(), c.valid ? c.day : -1);
    }
}

TEST(PlanDateTest, InvalidDatesCompareEqualAndResetRestoresDefault) {
    PlanDate a = MakeDate(2001, 2, 29);
    const PlanDate b = MakeDate(12345, 1, 1);
    EXPECT_EQ(a, b);
    a.Reset();
    EXPECT_EQ(a, PlanDate{});
}
