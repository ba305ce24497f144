#include "view/MoneyDisplay.h"
#include "tests/platform/MemorySettingsStore.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(MoneyDisplayTest, TodaysMoneyDiscountsLaterYearsCompoundsEarlierOnesAndIsRemembered) {
    MemorySettingsStore settings;
    MoneyDisplay display(settings, 2010);
    EXPECT_EQ(display.Shown(1000, 2012), 1000) << "projected amounts until switched on";

    QSignalSpy changed(&display, &MoneyDisplay::changed);
    display.Set(true, 2.0F);
    EXPECT_EQ(changed.count(), 1);
    struct Case {
        std::int64_t amount;
        std::int32_t year;
        std::int64_t shown;
    };
    // 1000 / 1.02^2 = 961.17; 1000 * 1.02^2 = 1040.4; 2^31 - 1 grown leaves 32 bits.
    for (const Case& c : {Case{1000, 2012, 961}, Case{1000, 2008, 1040}, Case{1000, 2010, 1000},
                          Case{-1000, 2012, -961}, Case{2147483647, 2009, 2147483647},
                          Case{5000000000, 2010, 2147483647}})
        EXPECT_EQ(display.Shown(c.amount, c.year), c.shown) << c.amount << " of " << c.year;

    const MoneyDisplay next(settings, 2010);
    EXPECT_TRUE(next.ShowsTodaysMoney());
    EXPECT_FLOAT_EQ(next.Inflation(), 2.0F);
    EXPECT_EQ(settings.values.at({"Display", "Inflation"}), "2.0");
}
