#include "tests/app/AppFixture.h"

#include "model/Scenarios.h"
#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"
#include "report/ScenarioText.h"
#include "view/ProjectionChart.h"
#include "view/RiskPane.h"
#include "view/ScenariosPane.h"
#include "view/WhatIfPane.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QValueAxis>

#include <fstream>
#include <string>
#include <vector>

class ScenariosPaneTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(Start({CopyExample()}));
        Action("ID_EDIT_CALCULATE").trigger();
        // A spread of 20 moves the example's last years in and out; to age 56 it lasts in some.
        Frame().GetRisk().SetInputs({1000, 20, 7, 56});
    }

    ScenariosPane& Pane() { return Frame().GetScenarios(); }
    void WaitForComparison() {
        QSignalSpy shown(&Pane(), &ScenariosPane::backgroundResultShown);
        while (!Pane().Comparison())
            ASSERT_TRUE(shown.wait(kBackgroundAnswerMs));
    }
};

TEST_F(ScenariosPaneTest, AKeptVariantIsDrawnAndComparedOnTheSamePaths) {
    Action("ID_VIEW_WHAT_IF").trigger();
    Frame().GetWhatIf().MoveSliders(80, 1);
    const std::string kept = folder.FilePath("kept.Orbe");
    ui.QueueSaveFile(kept);
    NamedChild<QPushButton>(Frame().GetWhatIf(), "whatIfKeepAsScenario").click();

    // The file is an ordinary plan: the variant the sliders made.
    Plan opened;
    ASSERT_EQ(OpenPlanFile(kept, opened).status, PlanOpenStatus::Opened);
    const std::vector<Plan> plans{Document().ShownPlan(),
                                  *PlanVariant(Document().ShownPlan(), 80, 1)};
    EXPECT_EQ(opened, plans[1]);
    ASSERT_EQ(Pane().Scenarios().size(), 1u);
    EXPECT_TRUE(Frame().GetAction(CommandId::ViewScenarios)->isChecked());

    const QList<QLineSeries*>& lines = Frame().GetChart().ScenarioLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0]->name(), QStringLiteral("Total Assets (kept)"));
    EXPECT_EQ(lines[0]->at(0).y(), Pane().Scenarios()[0].table.rows[0].totalAssets);

    WaitForComparison();
    const ScenarioComparison expected = CompareScenarios(plans, {1000, 20, 7, 56});
    EXPECT_EQ(*Pane().Comparison(), expected);
    EXPECT_EQ(NamedChild<QLabel>(Pane(), "scenariosPairs").text().toStdString(),
              PairSentence(expected.pairs[0], "retirement-example", "kept"));
    const auto& figures = NamedChild<QTableWidget>(Pane(), "scenariosFigures");
    EXPECT_EQ(figures.columnCount(), 3);
    EXPECT_EQ(figures.horizontalHeaderItem(2)->text(), QStringLiteral("kept"));

    // Closing the pane takes the lines off the chart; removing the scenario takes it away.
    Action("ID_VIEW_SCENARIOS").trigger();
    EXPECT_TRUE(Frame().GetChart().ScenarioLines().isEmpty());
    Action("ID_VIEW_SCENARIOS").trigger();
    NamedChild<QPushButton>(Pane(), "scenarioRemove1").click();
    EXPECT_TRUE(Pane().Scenarios().empty());
    EXPECT_TRUE(Frame().GetChart().ScenarioLines().isEmpty());
}

TEST_F(ScenariosPaneTest, CompareWithTakesUpToThreePlansAndNeverTheOpenOnesFile) {
    for (const char* name : {"a.Orbe", "b.Orbe", "c.Orbe"}) {
        ui.QueueOpenFile(CopyExample(name));
        Action("ID_FILE_COMPARE_WITH").trigger();
    }
    ASSERT_EQ(Pane().Scenarios().size(), 3u);
    EXPECT_EQ(Frame().GetChart().ScenarioLines().size(), 3);
    Action("ID_FILE_COMPARE_WITH").trigger();
    EXPECT_EQ(ui.GetJournal().back(), "message: " + ScenariosFullSentence());

    NamedChild<QPushButton>(Pane(), "scenarioRemove1").click();
    ui.QueueSaveFile(Document().GetPathName());
    Action("ID_VIEW_WHAT_IF").trigger();
    NamedChild<QPushButton>(Frame().GetWhatIf(), "whatIfKeepAsScenario").click();
    EXPECT_EQ(ui.GetJournal().back(),
              "message: " + KeepOverOpenPlanSentence() + " [" + Document().GetPathName() + "]");
    EXPECT_EQ(Pane().Scenarios().size(), 2u);
    WaitForComparison();
    EXPECT_EQ(Pane().Comparison()->pairs.size(), 3u);
}

// A plan whose money starts five years before the open plan's is drawn whole: the years run from
// its first, and the pointer over that year reads its Total Assets alone.
TEST_F(ScenariosPaneTest, APlanStartingEarlierIsDrawnFromItsFirstYear) {
    Plan earlier = Document().ShownPlan();
    for (IncomeItem& income : earlier.incomes)
        income.initialDate.SetDate(income.initialDate.GetYear() - 5, 1, 1);
    const std::string path = folder.FilePath("earlier.Orbe");
    std::ofstream(path, std::ios::binary) << PlanFileBytes(earlier);
    ui.QueueOpenFile(path);
    Action("ID_FILE_COMPARE_WITH").trigger();
    ASSERT_EQ(Pane().Scenarios().size(), 1u);
    const ProjectionTable& table = Pane().Scenarios()[0].table;
    ASSERT_EQ(table.firstYear, 1995);

    ProjectionChart& chart = Frame().GetChart();
    ASSERT_EQ(chart.ScenarioLines().size(), 1);
    const QLineSeries& line = *chart.ScenarioLines()[0];
    EXPECT_EQ(line.count(), table.rowCount);
    EXPECT_EQ(line.at(0), QPointF(-5, table.rows[0].totalAssets));
    const auto* years = qobject_cast<QValueAxis*>(chart.chart()->axes(Qt::Horizontal).front());
    ASSERT_NE(years, nullptr);
    EXPECT_EQ(years->min(), -5.5);
    const QPoint at =
        chart.mapFromScene(chart.chart()->mapToPosition(QPointF(-5, 0)) + QPointF(0, -20));
    QMouseEvent move(QEvent::MouseMove, at, chart.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(chart.viewport(), &move);
    // The savings' 1,000 with their first year's interest, as the open plan's 2000 has them.
    EXPECT_EQ(chart.HoverText(), QStringLiteral("1995\nTotal Assets (earlier) 1,050"));
}
