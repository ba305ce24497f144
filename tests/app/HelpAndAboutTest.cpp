#include "tests/app/AppFixture.h"

#include "view/CTessalyView.h"

#include "tests/app/ModalDialogs.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

class HelpAndAboutTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
};

TEST_F(HelpAndAboutTest, F1InTheMainWindowOpensHelp) {
    QTest::keyClick(&Frame().GetView(), Qt::Key_F1);
    EXPECT_EQ(ui.GetJournal(), Journal{"help"});
}

TEST_F(HelpAndAboutTest, F1WhileAMenuIsOpenOpensHelp) {
    QMenu& view = Menu("menuView");
    view.popup(QPoint(0, 0));
    ASSERT_EQ(QApplication::activePopupWidget(), &view);

    QTest::keyClick(&view, Qt::Key_F1);
    view.hide();

    EXPECT_EQ(ui.GetJournal(), Journal{"help"});
}

TEST_F(HelpAndAboutTest, F1InAModalDialogOpensHelp) {
    QDialog dialog(&Frame());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QApplication::setActiveWindow(&dialog);

    QTest::keyClick(&dialog, Qt::Key_F1);

    EXPECT_EQ(ui.GetJournal(), Journal{"help"});
}

TEST_F(HelpAndAboutTest, F1WithShiftCtrlOrAltDoesNothing) {
    QDialog dialog(&Frame());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QApplication::setActiveWindow(&dialog);

    QTest::keyClick(&dialog, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(&dialog, Qt::Key_F1, Qt::ControlModifier);
    QTest::keyClick(&dialog, Qt::Key_F1, Qt::AltModifier);
    dialog.hide();
    QApplication::setActiveWindow(&Frame());
    QTest::keyClick(&Frame().GetView(), Qt::Key_F1, Qt::ControlModifier);

    EXPECT_TRUE(ui.GetJournal().empty());
}

TEST_F(HelpAndAboutTest, HelpTopicsOpensHelp) {
    Action("ID_HELP").trigger();
    EXPECT_EQ(ui.GetJournal(), Journal{"help"});
}

TEST_F(HelpAndAboutTest, AboutBoxShowsNameVersionIconAndOk) {
    QString title;
    QStringList texts;
    bool hasIcon = false;
    bool okIsDefault = false;
    bool closed = false;
    WhenModalDialogShows([&](QDialog& about) {
        title = about.windowTitle();
        for (const QLabel* label : about.findChildren<QLabel*>())
            if (!label->pixmap().isNull())
                hasIcon = true;
            else
                texts.append(label->text());
        const QList<QPushButton*> buttons = about.findChildren<QPushButton*>();
        ASSERT_EQ(buttons.size(), 1);
        EXPECT_EQ(buttons.front()->text(), QStringLiteral("OK"));
        okIsDefault = buttons.front()->isDefault();
        buttons.front()->click();
        closed = !about.isVisible();
    });

    Action("ID_APP_ABOUT").trigger();

    EXPECT_EQ(title, QStringLiteral("About Tessaly"));
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Orbelan, Version 1.0"),
                                  QStringLiteral("Copyright (C) 2026 Velmark")}));
    EXPECT_TRUE(hasIcon);
    EXPECT_TRUE(okIsDefault);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(ui.GetJournal().empty());
}

TEST_F(HelpAndAboutTest, F1InTheAboutBoxOpensHelp) {
    WhenModalDialogShows([](QDialog& about) {
        QTest::keyClick(&about, Qt::Key_F1);
        about.accept();
    });

    Action("ID_APP_ABOUT").trigger();

    EXPECT_EQ(ui.GetJournal(), Journal{"help"});
}
