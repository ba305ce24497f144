#include "app/HelpWindow.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

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
