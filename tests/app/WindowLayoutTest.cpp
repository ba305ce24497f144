#include "tests/app/AppFixture.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>

namespace {

// Inside the offscreen platform's one screen of 800 by 800 pixels.
const QRect kPlacedGeometry(40, 30, 600, 400);

} // namespace

class WindowLayoutTest : public AppFixture {
protected:
    // Ends the program as the user does, by closing its window, and starts it again.
    void Restart() {
        ASSERT_TRUE(Frame().close());
        app.reset();
        ASSERT_TRUE(Start());
    }
};

TEST_F(WindowLayoutTest, SizePositionAndToolbarPlaceComeBackAtTheNextStart) {
    ASSERT_TRUE(Start());
    Frame().setGeometry(kPlacedGeometry);
    Frame().addToolBar(Qt::LeftToolBarArea, &ToolBar());
    Frame().GetAction("ID_VIEW_CHART")->setChecked(false);
    Frame().GetAction("ID_VIEW_YEAR_DETAILS")->setChecked(true);
    Frame().GetAction("ID_VIEW_WHAT_IF")->setChecked(true);

    Restart();

    EXPECT_EQ(Frame().geometry(), kPlacedGeometry);
    EXPECT_EQ(Frame().toolBarArea(&ToolBar()), Qt::LeftToolBarArea);
    EXPECT_FALSE(Frame().GetAction("ID_VIEW_CHART")->isChecked());
    EXPECT_TRUE(Frame().GetAction("ID_VIEW_YEAR_DETAILS")->isChecked());
    EXPECT_TRUE(Frame().GetAction("ID_VIEW_WHAT_IF")->isChecked());
    EXPECT_EQ(RecentFileSetting(1), "");
}

TEST_F(WindowLayoutTest, APositionOffEveryScreenIsMovedOntoOne) {
    ASSERT_TRUE(Start());
    Frame().setGeometry(QRect(QPoint(5000, 4000), kPlacedGeometry.size()));

    Restart();

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(Frame().geometry())) << Frame().x() << "," << Frame().y();
    EXPECT_EQ(Frame().size(), kPlacedGeometry.size());
}
