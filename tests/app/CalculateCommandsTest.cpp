#include "tests/app/AppFixture.h"

#include "tests/support/qt/EnvironmentVariable.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

class CalculateCommandsTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Start({CopyExample()})); }
};

TEST_F(CalculateCommandsTest, CalculateShowsTheWorkedExample) {
    Action("ID_EDIT_CALCULATE").trigger();

    EXPECT_EQ(ShownRows(), kExampleRows);
    EXPECT_FALSE(Document().IsModified());
    EXPECT_TRUE(ui.GetJournal().empty());
}

TEST_F(CalculateCommandsTest, CalculateTwiceShowsEachYearOnce) {
    Action("ID_EDIT_CALCULATE").trigger();
    Action("ID_EDIT_CALCULATE").trigger();
    EXPECT_EQ(ShownRows(), kExampleRows);
}

TEST_F(CalculateCommandsTest, CalculateFromTheMenu) {
    QMenu& edit = Menu("menuEdit");
    edit.popup(QPoint(0, 0));
    QTest::mouseClick(&edit, Qt::LeftButton, {},
                      edit.actionGeometry(&Action("ID_EDIT_CALCULATE")).center());

    EXPECT_EQ(ShownRows(), kExampleRows);
}

TEST_F(CalculateCommandsTest, ToolbarCalculateDoesTheSame) {
    QWidget* button = ToolBar().widgetForAction(&Action("ID_TOOLBAR_CALCULATE"));
    ASSERT_NE(button, nullptr);

    QTest::mouseClick(button, Qt::LeftButton);

    EXPECT_EQ(ShownRows(), kExampleRows);
    EXPECT_FALSE(Document().IsModified());
}

TEST_F(CalculateCommandsTest, SaveAfterCalculateLeavesTheRowsOnScreen) {
    Action("ID_EDIT_CALCULATE").trigger();
    Document().SetModifiedFlag(true);

    Action("ID_FILE_SAVE").trigger();

    EXPECT_FALSE(Document().IsModified());
    EXPECT_EQ(Document().m_results.rowCount, 0);
    EXPECT_EQ(ShownRows(), kExampleRows);
}

TEST_F(CalculateCommandsTest, NewAfterCalculateEmptiesTheList) {
    Action("ID_EDIT_CALCULATE").trigger();
    Action("ID_FILE_NEW").trigger();
    EXPECT_TRUE(ShownRows().empty());
}

TEST_F(CalculateCommandsTest, CalculatorAlongAnEmptyPathStartsAndShowsNothing) {
    const EnvironmentVariable path("PATH", QByteArray());
    Action("ID_RUN_CALCULATOR").trigger();
    EXPECT_TRUE(ui.GetJournal().empty());
}

TEST_F(CalculateCommandsTest, CalculatorButtonStartsTheCalculatorFoundAlongPath) {
    QTemporaryDir tools;
    ASSERT_TRUE(tools.isValid());
    const QString calculator = tools.filePath(QStringLiteral("gnome-calculator"));
    QFile program(calculator);
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    program.close();
    const EnvironmentVariable path("PATH", tools.path().toLocal8Bit());
    ui.QueueStartResult(true);

    QTest::mouseClick(ToolBar().widgetForAction(&Action("ID_RUN_CALCULATOR")), Qt::LeftButton);

    EXPECT_EQ(ui.GetJournal(), Journal{"start: " + calculator.toStdString()});
}
