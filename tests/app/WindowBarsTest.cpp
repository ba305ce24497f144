#include "tests/app/AppFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace {

// The texts of the status bar's labels that show, in order.
QStringList ShownLabels(const QStatusBar& bar) {
    QStringList texts;
    for (const QLabel* label : bar.findChildren<QLabel*>())
        if (label->isVisible())
            texts.append(label->text());
    return texts;
}

} // namespace

class WindowBarsTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
};

TEST_F(WindowBarsTest, ToolbarAndStatusBarShowWithCheckMarks) {
    EXPECT_TRUE(ToolBar().isVisible());
    EXPECT_TRUE(Frame().statusBar()->isVisible());
    EXPECT_TRUE(Action("ID_VIEW_TOOLBAR").isChecked());
    EXPECT_TRUE(Action("ID_VIEW_STATUS_BAR").isChecked());
}

TEST_F(WindowBarsTest, ToolbarToggleHidesAndShowsIt) {
    Action("ID_VIEW_TOOLBAR").trigger();
    EXPECT_FALSE(ToolBar().isVisible());
    EXPECT_FALSE(Action("ID_VIEW_TOOLBAR").isChecked());

    Action("ID_VIEW_TOOLBAR").trigger();
    EXPECT_TRUE(ToolBar().isVisible());
    EXPECT_TRUE(Action("ID_VIEW_TOOLBAR").isChecked());
}

TEST_F(WindowBarsTest, StatusBarToggleHidesAndShowsIt) {
    Action("ID_VIEW_STATUS_BAR").trigger();
    EXPECT_FALSE(Frame().statusBar()->isVisible());
    EXPECT_FALSE(Action("ID_VIEW_STATUS_BAR").isChecked());

    Action("ID_VIEW_STATUS_BAR").trigger();
    EXPECT_TRUE(Frame().statusBar()->isVisible());
    EXPECT_TRUE(Action("ID_VIEW_STATUS_BAR").isChecked());
}

TEST_F(WindowBarsTest, ToolbarClosedElsewhereLosesItsCheckMark) {
    ToolBar().hide();
    EXPECT_FALSE(Action("ID_VIEW_TOOLBAR").isChecked());
}

TEST_F(WindowBarsTest, IdleStatusBarInvitesToPressF1BesideTheLockPanes) {
    EXPECT_EQ(ShownLabels(*Frame().statusBar()),
              (QStringList{QStringLiteral("For Help, press F1"), QStringLiteral("CAP"),
                           QStringLiteral("NUM"), QStringLiteral("SCRL")}));
}

TEST_F(WindowBarsTest, LockPanesShowDimmedAsTheirStateIsUnknown) {
    for (const char* pane : {"ID_INDICATOR_CAPS", "ID_INDICATOR_NUM", "ID_INDICATOR_SCRL"}) {
        const auto* indicator = Frame().statusBar()->findChild<QLabel*>(QString::fromLatin1(pane));
        ASSERT_NE(indicator, nullptr) << pane;
        EXPECT_FALSE(indicator->isEnabled()) << pane;
    }
}

TEST_F(WindowBarsTest, HighlightedCommandShowsItsPromptThenTheIdleTextReturns) {
    Action("ID_FILE_NEW").showStatusText(&Frame());
    EXPECT_EQ(Frame().statusBar()->currentMessage(), QStringLiteral("Create a new document"));
    EXPECT_FALSE(ShownLabels(*Frame().statusBar()).contains(QStringLiteral("For Help, press F1")));

    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(&Frame(), &leave);

    EXPECT_TRUE(Frame().statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(ShownLabels(*Frame().statusBar()).contains(QStringLiteral("For Help, press F1")));
}
