#include "app/HelpWindow.h"
#include "model/ProjectionTable.h"
#include "model/Risk.h"
#include "model/WhatIf.h"
#include "report/NumberWords.h"
#include "report/PlanChecks.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

class HelpWindowTest : public testing::Test {
protected:
    QTextBrowser& Browser() { return *help.findChild<QTextBrowser*>(); }

    HelpWindow help;
};

TEST_F(HelpWindowTest, ShowsTheContentsPageOfTheBuiltInHelp) {
    help.ShowContents();

    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(help.isWindow());
    EXPECT_EQ(Browser().source(), QUrl(QStringLiteral("qrc:/help/index.html")));
    EXPECT_EQ(Browser().documentTitle(), QStringLiteral("Orbelan Help"));
}

TEST_F(HelpWindowTest, EveryPageLoadsWithItsTitle) {
    help.ShowContents();
    for (const char* page : {"plan.html", "income.html", "expenses.html", "projection.html",
                             "files.html", "commands.html"}) {
        const QUrl url = Browser().source().resolved(QUrl(QString::fromLatin1(page)));
        Browser().setSource(url);
        EXPECT_EQ(Browser().source(), url) << page;
        EXPECT_FALSE(Browser().documentTitle().isEmpty()) << page;
        EXPECT_FALSE(Browser().toPlainText().isEmpty()) << page;
    }
}

// The page is written by hand: each limit it states is the one the core keeps to.
TEST_F(HelpWindowTest, TheProjectionPageStatesTheCoresLimits) {
    help.ShowContents();
    Browser().setSource(QUrl(QStringLiteral("qrc:/help/projection.html")));
    const QString text =
        Browser().toPlainText().replace(QChar(0x00A0), u' ').replace(QChar(0x2212), u'-');
    const std::string flowing = text.simplified().toStdString();
    const auto n = [](std::int64_t value) { return std::to_string(value); };
    const auto grouped = EnglishNumbers().whole;
    const std::string stated[] = {
        "At most " + n(ProjectionTable::kMaxRows) + " years",
        "(" + n(std::numeric_limits<std::int32_t>::min()) + " to " +
            n(std::numeric_limits<std::int32_t>::max()) + ")",
        "retirement age outside " + n(kEarliestRetirementAge) + " to " + n(kLatestRetirementAge),
        "rate of " + n(static_cast<std::int32_t>(kSteepRate)) + " % or more",
        "Expenses (" + n(kMinWhatIfExpenses) + " to " + n(kMaxWhatIfExpenses) + " %)",
        "Returns (-" + n(kMaxWhatIfReturns) + " to +" + n(kMaxWhatIfReturns) + " points)",
        "expenses (0 to " + n(kMaxSpendingPercent) + " %)",
        "moved by " + n(kGridReturnPoints.front()) + " to +" + n(kGridReturnPoints.back()) +
            " points (rows) and expenses at " + n(kGridExpensePercents.front()) + " to " +
            n(kGridExpensePercents.back()) + " % (columns)",
        "many paths, " + grouped(kRiskPathChoices[0]) + " or " + grouped(kRiskPathChoices[1]),
        "spread (0 to " + n(kMaxRiskSpread) + " points)",
    };
    for (const std::string& limit : stated)
        EXPECT_NE(flowing.find(limit), std::string::npos) << limit;
}

TEST_F(HelpWindowTest, ShowingAgainReusesTheWindowAtItsContentsPage) {
    help.ShowContents();
    Browser().setSource(QUrl(QStringLiteral("qrc:/help/files.html")));
    help.ShowContents();

    int helpWindows = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<const HelpWindow*>(widget) != nullptr ? 1 : 0;
    EXPECT_EQ(helpWindows, 1);
    EXPECT_EQ(Browser().source(), QUrl(QStringLiteral("qrc:/help/index.html")));
}

TEST_F(HelpWindowTest, ShownFromAModalDialogItStaysUsable) {
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();

    help.ShowContents();

    ASSERT_NE(help.windowHandle(), nullptr);
    EXPECT_EQ(help.windowHandle()->transientParent(), dialog.windowHandle());
    dialog.hide();
}

TEST_F(HelpWindowTest, DoesNotKeepTheProgramRunning) {
    EXPECT_FALSE(help.testAttribute(Qt::WA_QuitOnClose));
}

TEST_F(HelpWindowTest, EscapeAndControlWCloseIt) {
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
        help.ShowContents();
        QApplication::setActiveWindow(&help);
        QTest::keyClick(&Browser(), key.key(), key.keyboardModifiers());
        EXPECT_FALSE(help.isVisible()) << QKeySequence(key).toString().toStdString();
    }
}
