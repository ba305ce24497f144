#include "tests/app/AppFixture.h"
#include "tests/support/ExamplePlans.h"

#include "persist/PlanFile.h"
#include "view/GridColors.h"

#include "view/ProjectionChart.h"
#include "view/RunProgress.h"
#include "view/WhatIfPane.h"

#include <QAction>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

class WhatIfPaneTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Start({CopyExample()})); }

    WhatIfPane& Pane() { return Frame().GetWhatIf(); }
    template <typename Widget> Widget& Find(const char* name) {
        return NamedChild<Widget>(Pane(), name);
    }
};

TEST_F(WhatIfPaneTest, AGridCellMovesTheSlidersAndTheChartDrawsTheVariantAloneOfThePlan) {
    Action("ID_EDIT_CALCULATE").trigger();
    // The search and the grid run off the interface thread; each says when it has shown.
    QSignalSpy results(&Pane(), &WhatIfPane::backgroundResultShown);
    Action("ID_VIEW_WHAT_IF").trigger();
    while (results.count() < 2)
        ASSERT_TRUE(results.wait(kBackgroundAnswerMs));
    // The same answers as orbelan-cli sustain and sensitivity give for the example.
    EXPECT_EQ(Find<QLabel>("whatIfSustainable").text(), QStringLiteral("15 % of planned expenses"));
    auto& grid = Find<QTableWidget>("sensitivityGrid");
    EXPECT_EQ(grid.item(3, 3)->text(), QStringLiteral("2004")) << "+0 points, 100 %";
    EXPECT_EQ(Find<QLabel>("whatIfHorizon").text(),
              QStringLiteral("Money lasts until 2004, age 56."));
    EXPECT_TRUE(Frame().GetChart().VariantLines().isEmpty()) << "the plan itself is no variant";

    const Plan plan = Document().m_plan;
    const std::vector<ReportRow> rows = ShownRows();
    // Returns +3 points, expenses at 70 %: money lasts a year longer than at +0 and 70 %.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualItemRect(grid.item(6, 0)).center());
    EXPECT_EQ(Find<QSlider>("whatIfExpensesSlider").value(), 70);
    EXPECT_EQ(Find<QSlider>("whatIfReturnsSlider").value(), 3);
    EXPECT_EQ(Find<QLabel>("whatIfHorizon").text(),
              QStringLiteral("Money lasts until 2006, age 58."));
    const QList<QLineSeries*>& lines = Frame().GetChart().VariantLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0]->name(), QStringLiteral("Total Assets (what if)"));
    EXPECT_EQ(lines[0]->pen().style(), Qt::DashLine);
    // 2000 to 2007, the year it could not pay: two rows more than the plan's list.
    EXPECT_EQ(lines[0]->count(), 8);
    EXPECT_EQ(Frame().GetChart().YearCount(), 6);

    EXPECT_EQ(Document().m_plan, plan);
    EXPECT_FALSE(Document().IsModified());
    EXPECT_EQ(ShownRows(), rows);

    // Closing the pane takes the variant off the chart.
    Action("ID_VIEW_WHAT_IF").trigger();
    EXPECT_TRUE(Frame().GetChart().VariantLines().isEmpty());
}

TEST_F(WhatIfPaneTest, CancelStopsTheSearchForSustainableSpendingAlone) {
    Action("ID_EDIT_CALCULATE").trigger();
    QSignalSpy results(&Pane(), &WhatIfPane::backgroundResultShown);
    Action("ID_VIEW_WHAT_IF").trigger();
    Find<RunProgress>("whatIfSustainableProgress").findChild<QPushButton*>()->click();
    // The grid still comes; the search's answer never does.
    ASSERT_TRUE(results.wait(kBackgroundAnswerMs));
    QTest::qWait(200);
    EXPECT_EQ(results.count(), 1);
    EXPECT_EQ(Find<QLabel>("whatIfSustainable").text(),
              QStringLiteral("Cancelled. Change the age or the returns to work it out again."));
    EXPECT_EQ(Find<QTableWidget>("sensitivityGrid").item(3, 3)->text(), QStringLiteral("2004"));
}

// The calculation limit is named, never told as running out: in the horizon, the sustainable
// spending and the grid, which gives it a colour of its own.
class WhatIfLimitTest : public WhatIfPaneTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Start({folder.AddFile("limit.Orbe", PlanFileBytes(CalculationLimitPlan()))}));
    }

    // Waits for the runs started: the grid and, for a plan it can be asked of, the spending.
    void ShowResults(int runs = 2) {
        Action("ID_EDIT_CALCULATE").trigger();
        QSignalSpy results(&Pane(), &WhatIfPane::backgroundResultShown);
        Action("ID_VIEW_WHAT_IF").trigger();
        while (results.count() < runs)
            ASSERT_TRUE(results.wait(kBackgroundAnswerMs));
    }
};

TEST_F(WhatIfLimitTest, TheLimitIsNamedAndTheGridColoursItApart) {
    ShowResults();
    EXPECT_EQ(Find<QLabel>("whatIfHorizon").text(),
              QStringLiteral("Money lasts at least until 2039, age 79. The projection stops at "
                             "the calculation limit in 2040."));
    EXPECT_EQ(Find<QLabel>("whatIfSustainable").text(),
              QStringLiteral("Unknown: the projection stops at the calculation limit in 2040"));
    auto& grid = Find<QTableWidget>("sensitivityGrid");
    EXPECT_EQ(grid.item(3, 6)->text(), QStringLiteral("2039+")) << "+0 points, 130 %";
    EXPECT_EQ(grid.item(3, 6)->background().color(), BandColor(HorizonBand::UntilLimit));
    EXPECT_EQ(grid.item(3, 6)->toolTip(),
              QStringLiteral("Lasts at least until 2039, then the calculation limit"));
    EXPECT_TRUE(Find<QLabel>("sensitivityLegend")
                    .text()
                    .contains(QStringLiteral("then the calculation limit")));
}

TEST_F(WhatIfLimitTest, TheGridIsOneTabStopWithArrowKeysAndEnter) {
    ShowResults();
    auto& grid = Find<QTableWidget>("sensitivityGrid");
    grid.setFocus();
    ASSERT_TRUE(grid.hasFocus());
    // The keyboard starts on the plan's own cell, +0 points at 100 %.
    EXPECT_EQ(grid.currentRow(), 3);
    EXPECT_EQ(grid.currentColumn(), 3);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Left);
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(Find<QSlider>("whatIfExpensesSlider").value(), 90);
    EXPECT_EQ(Find<QSlider>("whatIfReturnsSlider").value(), 1);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_FALSE(grid.hasFocus()) << "Tab leaves the grid instead of moving to the next cell";
}

TEST_F(WhatIfLimitTest, AnInvalidBirthDateAsksForOne) {
    Document().m_plan.birthDate = MakeDate(2001, 2, 29);
    ShowResults(1);
    EXPECT_EQ(Find<QLabel>("whatIfSustainable").text(),
              QStringLiteral("The birth date is not a valid date, so no age and no retirement "
                             "year can be known: enter it again under General Data."));
    EXPECT_EQ(Find<QLabel>("whatIfHorizon").text(),
              QStringLiteral("Money lasts at least until 2039. The projection stops at the "
                             "calculation limit in 2040."));
}
