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
    Frame().GetAction(CommandId::ViewChart)->setChecked(false);
    Frame().GetAction(CommandId::ViewYearDetails)->setChecked(true);
    Frame().GetAction(CommandId::ViewWhatIf)->setChecked(true);

    Restart();

    EXPECT_EQ(Frame().geometry(), kPlacedGeometry);
    EXPECT_EQ(Frame().toolBarArea(&ToolBar()), Qt::LeftToolBarArea);
    EXPECT_FALSE(Frame().GetAction(CommandId::ViewChart)->isChecked());
    EXPECT_TRUE(Frame().GetAction(CommandId::ViewYearDetails)->isChecked());
    EXPECT_TRUE(Frame().GetAction(CommandId::ViewWhatIf)->isChecked());
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
