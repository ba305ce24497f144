#include "tests/app/AppFixture.h"

#include "app/CMainFrame.h"
#include "view/CTessalyView.h"
#include "view/RiskPane.h"
#include "view/WhatIfPane.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

#include <string>
#include <vector>

namespace {

const std::string kWhatIfSection = "What If";
const std::string kAgeKey = "SustainableAge";

QSpinBox& FindBox(const QWidget& pane, const char* name) {
    return NamedChild<QSpinBox>(pane, name);
}

// One notch of the wheel upwards over the middle of the widget.
bool WheelAccepted(QWidget& widget) {
    const QPointF middle = QRectF(widget.rect()).center();
    QWheelEvent notch(middle, widget.mapToGlobal(middle), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &notch);
    return notch.isAccepted();
}

} // namespace

class KeysAndSmallScreensTest : public AppFixture {};

TEST_F(KeysAndSmallScreensTest, OwnShortcutsCalculateShowThePanesAndExportOnceThereIsAProjection) {
    ASSERT_TRUE(Start({CopyExample()}));
    QWidget& list = Frame().GetView();
    QTest::keyClick(&list, Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(Action("ID_FILE_EXPORT_CSV").isEnabled());
    EXPECT_FALSE(Action("ID_FILE_EXPORT_PDF").isEnabled());
    EXPECT_TRUE(ui.GetJournal().empty()) << "nothing to export before a projection";

    QTest::keyClick(&list, Qt::Key_F9);
    EXPECT_EQ(ShownRows(), kExampleRows);
    QTest::keyClick(&list, Qt::Key_Y, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&list, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Frame().findChild<QDockWidget*>(QStringLiteral("yearDetailsDock"))->isVisible());
    EXPECT_TRUE(Frame().findChild<QDockWidget*>(QStringLiteral("whatIfDock"))->isVisible());

    ui.QueueExportFile(std::nullopt);
    ui.QueueExportFile(std::nullopt);
    QTest::keyClick(&list, Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(&list, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ui.ExportTitles(),
              (std::vector<std::string>{"Export Projection as CSV", "Export Report as PDF"}));

    Action("ID_FILE_NEW").trigger();
    EXPECT_FALSE(Action("ID_FILE_EXPORT_CSV").isEnabled()) << "New empties the list";
}

TEST_F(KeysAndSmallScreensTest, SustainableAgeIsRememberedWithinItsRange) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"80", 80}, {"", 95},     {"eighty", 95}, {"99999999999", 95},
        {"-4", 0},  {"200", 200}, {"1001", 1000}};
    for (const auto& [stored, shown] : cases) {
        settings.WriteString(kWhatIfSection, kAgeKey, stored);
        ASSERT_TRUE(Start());
        EXPECT_EQ(FindBox(Frame().GetWhatIf(), "whatIfAge").value(), shown) << stored;
        app.reset();
    }
    ASSERT_TRUE(Start());
    FindBox(Frame().GetWhatIf(), "whatIfAge").setValue(70);
    EXPECT_EQ(settings.ReadString(kWhatIfSection, kAgeKey), "70");
}

TEST_F(KeysAndSmallScreensTest, WheelChangesOnlyTheFocusedSpinBoxAndReadOnlyTextTakesNoTab) {
    ASSERT_TRUE(Start({CopyExample()}));
    Action("ID_VIEW_WHAT_IF").trigger();
    QSpinBox& returns = FindBox(Frame().GetWhatIf(), "whatIfReturnsBox");
    EXPECT_EQ(returns.text(), QStringLiteral("0 points"));
    EXPECT_FALSE(WheelAccepted(returns)) << "left to the pane around it";
    EXPECT_EQ(returns.value(), 0);
    returns.setFocus();
    ASSERT_TRUE(returns.hasFocus());
    EXPECT_TRUE(WheelAccepted(returns));
    EXPECT_EQ(returns.value(), 1);
    EXPECT_EQ(returns.text(), QStringLiteral("+1 point"));
    returns.setValue(-2);
    EXPECT_EQ(returns.text(), QStringLiteral("-2 points"));

    const auto* horizon = Frame().GetWhatIf().findChild<QLabel*>(QStringLiteral("whatIfHorizon"));
    ASSERT_NE(horizon, nullptr);
    EXPECT_FALSE(horizon->focusPolicy() & Qt::TabFocus);
}

TEST_F(KeysAndSmallScreensTest, FirstWindowFitsTheScreen) {
    ASSERT_TRUE(Start());
    const QSize room = Frame().screen()->availableGeometry().size();
    EXPECT_LE(Frame().width(), room.width());
    EXPECT_LE(Frame().height(), room.height());
}

TEST_F(KeysAndSmallScreensTest, BothPanesOnASmallWindowLeaveTheListRoomAndCutNoSpinBox) {
    ASSERT_TRUE(Start({CopyExample()}));
    Frame().resize(640, 480);
    Action("ID_EDIT_CALCULATE").trigger();
    Action("ID_VIEW_YEAR_DETAILS").trigger();
    Action("ID_VIEW_WHAT_IF").trigger();
    Frame().show();
    QApplication::processEvents();
    // The grid beside it keeps room for its years whole, "2039+" in every cell.
    EXPECT_GE(Frame().GetView().width(), 270) << "Year, Income and most of Total Assets";
    // The panes share one place as tabs; the last one asked for shows.
    QApplication::processEvents();
    for (const QSpinBox* box : Frame().GetWhatIf().findChildren<QSpinBox*>())
        EXPECT_EQ(box->visibleRegion(), QRegion(box->rect())) << box->objectName().toStdString();
    Action("ID_VIEW_RISK").trigger();
    QApplication::processEvents();
    EXPECT_GE(Frame().GetView().width(), 270);
    for (const QSpinBox* box : Frame().GetRisk().findChildren<QSpinBox*>())
        EXPECT_EQ(box->visibleRegion(), QRegion(box->rect())) << box->objectName().toStdString();
}
