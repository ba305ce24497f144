#include "tests/app/AppFixture.h"

#include "app/CMainFrame.h"
#include "app/CommandTable.h"
#include "view/CTessalyView.h"
#include "view/RiskPane.h"
#include "view/WhatIfPane.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>

#include <string>

namespace {

// The letter after the single "&" of a text, lower case; none for a text without one.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

} // namespace

class WindowRoomTest : public AppFixture {};

// A laptop's screen with every pane open: the panes give way, and each of the list's five
// columns shows every one of its numbers whole, without scrolling.
TEST_F(WindowRoomTest, NoListCellIsCutAt1366x768WithEveryPane) {
    ASSERT_TRUE(Start({CopyExample()}));
    Frame().resize(1366, 768);
    Action("ID_EDIT_CALCULATE").trigger();
    for (const char* pane : {"ID_VIEW_YEAR_DETAILS", "ID_VIEW_WHAT_IF", "ID_VIEW_RISK"})
        Action(pane).trigger();
    Frame().show();
    QApplication::processEvents();
    CTessalyView& list = Frame().GetView();
    ASSERT_EQ(list.topLevelItemCount(), 6);
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    for (int column = 0; column < list.columnCount(); ++column) {
        const int left = list.header()->sectionViewportPosition(column);
        const int width = list.columnWidth(column);
        EXPECT_GE(left, 0) << column;
        EXPECT_LE(left + width, list.viewport()->width()) << column;
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            const QString text = list.topLevelItem(row)->text(column);
            EXPECT_LE(list.fontMetrics().horizontalAdvance(text) + 2 * margin, width)
                << text.toStdString();
        }
    }
}

// Alt and a menu title's letter opens that menu whichever pane shows: no control of a pane
// takes one of those letters, nor a key of the command table held with Alt.
TEST_F(WindowRoomTest, NoPaneMnemonicTakesAMenuTitleOrACommandKey) {
    ASSERT_TRUE(Start());
    QSet<QChar> taken;
    for (const QAction* menu : Frame().menuBar()->actions())
        taken.insert(Mnemonic(menu->text()));
    ASSERT_EQ(taken, (QSet<QChar>{u'f', u'e', u'v', u'h'}));
    for (const Command& command : CommandTable())
        for (const QKeySequence& key : command.shortcuts)
            // Only a character key can clash with a mnemonic; Alt+Backspace is no character.
            if ((key[0].keyboardModifiers() & ~Qt::ShiftModifier) == Qt::AltModifier &&
                key[0].key() <= 0xffff)
                taken.insert(QChar(key[0].key()).toLower());
    int mnemonics = 0;
    for (const QDockWidget* pane : Frame().findChildren<QDockWidget*>()) {
        QStringList texts;
        for (const QLabel* label : pane->findChildren<QLabel*>())
            if (label->buddy() != nullptr)
                texts.append(label->text());
        for (const QAbstractButton* button : pane->findChildren<QAbstractButton*>())
            texts.append(button->text());
        for (const QString& text : texts) {
            const QChar letter = Mnemonic(text);
            mnemonics += letter.isNull() ? 0 : 1;
            EXPECT_TRUE(letter.isNull() || !taken.contains(letter)) << text.toStdString();
        }
    }
    EXPECT_GE(mnemonics, 10) << "the panes' labels and buttons were found";
}

// Alt+E pressed with every pane open opens the Edit menu, whether the focus is in What If,
// whose Expenses once took the letter, or in Risk, whose Seed did.
TEST_F(WindowRoomTest, AltEOpensTheEditMenuWithTheFocusInAnyPane) {
    ASSERT_TRUE(Start({CopyExample()}));
    Action("ID_EDIT_CALCULATE").trigger();
    for (const char* pane :
         {"ID_VIEW_YEAR_DETAILS", "ID_VIEW_WHAT_IF", "ID_VIEW_RISK", "ID_VIEW_SCENARIOS"})
        Action(pane).trigger();
    Frame().show();
    QApplication::setActiveWindow(&Frame());
    QMenu& edit = Menu("menuEdit");
    for (const char* pane : {"ID_VIEW_WHAT_IF", "ID_VIEW_RISK"}) {
        // Asking for a pane that shares its place with others brings it to the front.
        Action(pane).trigger();
        QWidget& shown = std::string(pane) == "ID_VIEW_RISK"
                             ? static_cast<QWidget&>(Frame().GetRisk())
                             : static_cast<QWidget&>(Frame().GetWhatIf());
        QSpinBox* control = shown.findChild<QSpinBox*>();
        ASSERT_NE(control, nullptr) << pane;
        control->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(control->hasFocus()) << pane;
        QTest::keyClick(&Frame(), Qt::Key_E, Qt::AltModifier);
        QApplication::processEvents();
        EXPECT_TRUE(edit.isVisible()) << pane;
        EXPECT_EQ(Frame().menuBar()->activeAction(), edit.menuAction()) << pane;
        edit.close();
        QApplication::processEvents();
    }
}

// The help's table of keys lists every key of the command table, and no other.
TEST_F(WindowRoomTest, HelpListsEveryShortcutOfTheCommandTable) {
    QFile page(QStringLiteral(":/help/commands.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    const qsizetype start = html.indexOf(QStringLiteral("<table id=\"commandKeys\""));
    ASSERT_GE(start, 0);
    const QString table = html.mid(start, html.indexOf(QStringLiteral("</table>"), start) - start);
    QSet<QString> listed;
    const QRegularExpression key(QStringLiteral("<span class=\"key\">([^<]+)</span>"));
    for (const QRegularExpressionMatch& match : key.globalMatch(table))
        listed.insert(match.captured(1));
    QSet<QString> shortcuts;
    for (const Command& command : CommandTable())
        for (const QKeySequence& shortcut : command.shortcuts)
            shortcuts.insert(shortcut.toString(QKeySequence::PortableText));
    EXPECT_EQ(listed, shortcuts);
}

// The wheel over a slider without the focus scrolls the pane; a focused one takes it.
TEST_F(WindowRoomTest, WheelPassesUnfocusedSliders) {
    ASSERT_TRUE(Start({CopyExample()}));
    Action("ID_VIEW_WHAT_IF").trigger();
    const QList<QSlider*> sliders = Frame().GetWhatIf().findChildren<QSlider*>();
    ASSERT_FALSE(sliders.isEmpty());
    QSlider& slider = *sliders.front();
    const int before = slider.value();
    const auto wheel = [&slider] {
        const QPointF middle = QRectF(slider.rect()).center();
        QWheelEvent notch(middle, slider.mapToGlobal(middle), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&slider, &notch);
        return notch.isAccepted();
    };
    EXPECT_FALSE(wheel());
    EXPECT_EQ(slider.value(), before);
    slider.setFocus();
    ASSERT_TRUE(slider.hasFocus());
    EXPECT_TRUE(wheel());
    EXPECT_NE(slider.value(), before);
}
