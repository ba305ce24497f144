#include "view/CTessalyView.h"
#include "persist/CTessalyDoc.h"
#include "tests/platform/support/RecordingUiServices.h"
#include "tests/support/ExamplePlans.h"
#include "tests/support/qt/EnvironmentVariable.h"
#include "tests/support/qt/ReportRows.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

namespace {

const std::vector<ReportRow> kExampleRows = {
    {"2000", "1778", "1778", "1050", "0"},  {"2001", "874", "2652", "1103", "-600"},
    {"2002", "53", "2105", "2105", "-637"}, {"2003", "47", "1515", "1515", "-750"},
    {"2004", "25", "790", "790", "-750"},   {"2005", "2", "42", "42", "-608"},
};

} // namespace

class CTessalyViewTest : public testing::Test {
protected:
    void SetUp() override {
        document.AddView(view);
        document.OnNewDocument();
        view.OnInitialUpdate();
    }

    void CalculateExample() {
        document.m_plan = ProjectionExamplePlan();
        view.OnCalculate();
    }

    RecordingUiServices ui;
    CTessalyDoc document{ui};
    CTessalyView view{ui};
};

TEST(CTessalyViewConstruction, IndexesStartAtMinusOneWithoutADocument) {
    RecordingUiServices ui;
    const CTessalyView view(ui);
    EXPECT_EQ(view.m_pPlanDoc, nullptr);
    EXPECT_EQ(view.m_nExpenseIndex, -1);
    EXPECT_EQ(view.m_nIncomeIndex, -1);
}

TEST_F(CTessalyViewTest, FiveColumnsOfOneHundredPixels) {
    ASSERT_EQ(view.columnCount(), 5);
    const QStringList headings = {
        QStringLiteral("Year"), QStringLiteral("Income"), QStringLiteral("Total Assets"),
        QStringLiteral("Available Assets"), QStringLiteral("Withdrawals")};
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(view.headerItem()->text(column), headings[column]);
        // A heading wider than that in the font of the day widens its column.
        EXPECT_GE(view.columnWidth(column), 100) << column;
    }
}

TEST_F(CTessalyViewTest, YearIsLeftAlignedAndAmountsRightAligned) {
    CalculateExample();
    const QTreeWidgetItem* row = view.topLevelItem(0);
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(Qt::Alignment(view.headerItem()->textAlignment(0)) & Qt::AlignLeft);
    EXPECT_TRUE(Qt::Alignment(row->textAlignment(0)) & Qt::AlignLeft);
    for (int column = 1; column < 5; ++column) {
        EXPECT_TRUE(Qt::Alignment(view.headerItem()->textAlignment(column)) & Qt::AlignRight)
            << column;
        EXPECT_TRUE(Qt::Alignment(row->textAlignment(column)) & Qt::AlignRight) << column;
    }
}

TEST_F(CTessalyViewTest, AReportListWithoutSortingOrTree) {
    EXPECT_FALSE(view.header()->sectionsClickable());
    EXPECT_FALSE(view.isSortingEnabled());
    EXPECT_FALSE(view.rootIsDecorated());
    EXPECT_FALSE(view.header()->stretchLastSection());
}

TEST_F(CTessalyViewTest, NewPlanShowsNoRows) {
    EXPECT_EQ(view.topLevelItemCount(), 0);
    EXPECT_EQ(view.m_pPlanDoc, &document);
}

TEST_F(CTessalyViewTest, CalculateShowsTheWorkedExample) {
    CalculateExample();
    EXPECT_EQ(ReportRows(view), kExampleRows);
    EXPECT_TRUE(ui.GetJournal().empty());
}

TEST_F(CTessalyViewTest, CalculateTwiceShowsEachYearOnce) {
    CalculateExample();
    view.OnCalculate();
    EXPECT_EQ(ReportRows(view), kExampleRows);
}

TEST_F(CTessalyViewTest, CalculateLeavesThePlanUnmodified) {
    CalculateExample();
    EXPECT_FALSE(document.IsModified());
}

TEST_F(CTessalyViewTest, InitialUpdateEmptiesTheListAndRestartsTheIndexes) {
    CalculateExample();
    view.m_nIncomeIndex = 3;
    view.m_nExpenseIndex = 2;
    document.OnNewDocument();
    view.OnInitialUpdate();
    EXPECT_EQ(view.topLevelItemCount(), 0);
    EXPECT_EQ(view.m_nIncomeIndex, 0);
    EXPECT_EQ(view.m_nExpenseIndex, 0);
}

TEST_F(CTessalyViewTest, HundredRowsInIncreasingYears) {
    document.m_results.firstYear = 1990;
    document.m_results.rowCount = ProjectionTable::kMaxRows;
    document.UpdateAllViews();
    ASSERT_EQ(view.topLevelItemCount(), 100);
    for (int index = 0; index < 100; ++index)
        EXPECT_EQ(view.topLevelItem(index)->text(0), QString::number(1990 + index));
}

TEST_F(CTessalyViewTest, EmptyTableShowsNoRows) {
    CalculateExample();
    document.m_results.rowCount = 0;
    document.UpdateAllViews();
    EXPECT_EQ(view.topLevelItemCount(), 0);
}

TEST_F(CTessalyViewTest, AmountsArePlainDecimals) {
    view.AddProjectionRow(2000, -1500, 0, 1234567, std::numeric_limits<std::int32_t>::min());
    view.AddProjectionRow(2001, std::numeric_limits<std::int32_t>::max(), 7, -1, 10);
    const std::vector<ReportRow> expected = {
        {"2000", "-1500", "0", "1234567", "-2147483648"},
        {"2001", "2147483647", "7", "-1", "10"},
    };
    EXPECT_EQ(ReportRows(view), expected);
}

TEST_F(CTessalyViewTest, ClickingAHeadingChangesNothing) {
    CalculateExample();
    view.resize(600, 300);
    view.show();
    const int incomeMiddle = view.header()->sectionViewportPosition(1) + 50;
    QTest::mouseClick(view.header()->viewport(), Qt::LeftButton, {},
                      QPoint(incomeMiddle, view.header()->height() / 2));
    EXPECT_EQ(ReportRows(view), kExampleRows);
}

TEST_F(CTessalyViewTest, CopyKeyCopiesNothing) {
    CalculateExample();
    view.setCurrentItem(view.topLevelItem(0));
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

TEST_F(CTessalyViewTest, CalculatorFoundAlongPathIsStartedDetached) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString kcalc = folder.filePath(QStringLiteral("kcalc"));
    QFile program(kcalc);
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    program.close();
    const EnvironmentVariable path("PATH", folder.path().toLocal8Bit());
    ui.QueueStartResult(true);

    view.OnRunCalculator();

    EXPECT_EQ(ui.GetJournal(), Journal{"start: " + kcalc.toStdString()});
}

TEST_F(CTessalyViewTest, NoCalculatorAlongAnEmptyPathStartsAndShowsNothing) {
    const EnvironmentVariable path("PATH", QByteArray());
    view.OnRunCalculator();
    EXPECT_TRUE(ui.GetJournal().empty());
}

TEST_F(CTessalyViewTest, ColumnsKeepTheirWidthAndGrowToFitTheirHeadings) {
    EXPECT_EQ(view.columnWidth(0), 100) << "a short heading keeps the hundred pixels";
    EXPECT_EQ(view.columnWidth(1), 100);
    QFont large = view.font();
    large.setPointSizeF(large.pointSizeF() * 2.5);
    view.setFont(large);
    for (int column = 0; column < view.columnCount(); ++column) {
        const QString heading = view.headerItem()->text(column);
        EXPECT_GT(view.columnWidth(column), QFontMetrics(large).horizontalAdvance(heading))
            << heading.toStdString();
    }
}
