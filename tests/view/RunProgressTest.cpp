#include "view/RunProgress.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <thread>

TEST(RunProgress, ShowsOnlyAWorkThatLastsAndCountsFromAnyThread) {
    QWidget parent;
    auto* progress = new RunProgress(QStringLiteral("Paths done"), &parent);
    parent.show();
    const std::function<void(std::int32_t)> done = progress->Begin(200);
    std::thread([&done] { done(80); }).join();
    EXPECT_TRUE(progress->isHidden()) << "a quick answer does not flicker a bar";
    // The bar's delay and the count from the thread come through the event loop, which a
    // busy machine may reach late.
    QTRY_VERIFY_WITH_TIMEOUT(progress->isVisible(), 30000);
    auto* bar = progress->findChild<QProgressBar*>();
    QTRY_COMPARE_WITH_TIMEOUT(bar->value(), 80, 30000);
    EXPECT_EQ(bar->maximum(), 200);

    QSignalSpy cancelled(progress, &RunProgress::cancelClicked);
    progress->findChild<QPushButton*>()->click();
    EXPECT_EQ(cancelled.count(), 1);

    // A run that ends before the bar appears never shows it; a replaced run's count is its own.
    progress->End();
    EXPECT_TRUE(progress->isHidden());
    progress->Begin(10);
    done(150);
    progress->End();
    QTest::qWait(400);
    EXPECT_TRUE(progress->isHidden());
    EXPECT_EQ(bar->value(), 0);
}
