#include "tests/app/AppFixture.h"
#include "tests/platform/MemorySettingsStore.h"

#include "app/RiskInputsSetting.h"
#include "cli/CliCommands.h"
#include "model/WhatIf.h"
#include "persist/PlanFileOpen.h"

#include "view/CTessalyView.h"
#include "view/PointsSpinBox.h"
#include "view/ProjectionChart.h"
#include "view/RiskPane.h"
#include "view/RunProgress.h"
#include "view/ScenariosPane.h"
#include "view/WhatIfPane.h"
#include "view/YearDetailsPane.h"

#include <QAction>
#include <QAreaSeries>
#include <QCheckBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

class RiskPaneTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Start({CopyExample()})); }

    RiskPane& Pane() { return Frame().GetRisk(); }
    template <typename Widget> Widget& Find(const char* name) {
        return NamedChild<Widget>(Pane(), name);
    }
    QString DetailsLine(int index) { return Frame().GetYearDetails().topLevelItem(index)->text(0); }
};

TEST_F(RiskPaneTest, ARunShadesTheBandAndOpensAPathYearByYear) {
    Action("ID_EDIT_CALCULATE").trigger();
    QSignalSpy results(&Pane(), &RiskPane::backgroundResultShown);
    Action("ID_VIEW_RISK").trigger();
    // With no spread every path is the plan's own: the example is covered to 2004, age 56.
    Pane().SetInputs({1000, 0, 7, 56});
    while (Pane().Band().empty())
        ASSERT_TRUE(results.wait(kBackgroundAnswerMs));
    EXPECT_EQ(Find<QLabel>("riskAnswer").text(),
              QStringLiteral("The money lasts to age 56 in 1,000 of 1,000 paths: 100.0\u00a0%"));

    const QList<QAbstractSeries*>& series = Frame().GetChart().RiskSeries();
    ASSERT_EQ(series.size(), 2);
    auto* band = qobject_cast<QAreaSeries*>(series[0]);
    auto* median = qobject_cast<QLineSeries*>(series[1]);
    ASSERT_NE(band, nullptr);
    ASSERT_NE(median, nullptr);
    // 2000 to 2005, each percentile the plan's own Total Assets.
    ASSERT_EQ(band->upperSeries()->count(), 6);
    EXPECT_EQ(band->upperSeries()->at(0).y(), 1778);
    EXPECT_EQ(band->lowerSeries()->at(5).y(), 42);
    EXPECT_EQ(median->at(1).y(), 2652);
    EXPECT_EQ(median->pen().style(), Qt::DashLine);

    // In today's money the band is converted as the plan's own line is.
    Frame().GetWhatIf().findChild<QCheckBox*>(QStringLiteral("todaysMoney"))->setChecked(true);
    const auto line = [this](const QString& name) {
        for (QAbstractSeries* shown : Frame().GetChart().chart()->series())
            if (shown->name() == name)
                return qobject_cast<QLineSeries*>(shown);
        return static_cast<QLineSeries*>(nullptr);
    };
    ASSERT_NE(line(QStringLiteral("Total Assets")), nullptr);
    EXPECT_NE(line(QStringLiteral("Total Assets"))->at(1).y(), 2652);
    EXPECT_EQ(line(QStringLiteral("Total Assets, median of paths"))->at(1).y(),
              line(QStringLiteral("Total Assets"))->at(1).y());
    Frame().GetWhatIf().findChild<QCheckBox*>(QStringLiteral("todaysMoney"))->setChecked(false);

    // Every path ties, so the ranks go by number: the 10th percentile of 1,000 is path 99.
    Find<QPushButton>("riskShowWorst").click();
    ASSERT_EQ(series.size(), 3);
    EXPECT_EQ(series[2]->name(), QStringLiteral("Total Assets (worst path, no. 99)"));
    Frame().GetView().setCurrentItem(Frame().GetView().topLevelItem(2));
    EXPECT_EQ(DetailsLine(0), QStringLiteral("Worst path, no. 99: returns moved by 0 points"));
    EXPECT_EQ(DetailsLine(1), QStringLiteral("Year 2002, age 54"));

    // With a spread, the median path's 2002 has the offset that seed 7 gives that path's
    // third row.
    Pane().SetInputs({1000, 10, 7, 56});
    while (Pane().Band().empty())
        ASSERT_TRUE(results.wait(kBackgroundAnswerMs));
    EXPECT_FALSE(Pane().Path().has_value()) << "a new run closes the path of the old";
    Find<QPushButton>("riskShowMedian").click();
    ASSERT_TRUE(Pane().Path().has_value());
    const QString number = Pane().Path()->name.section(QStringLiteral("no. "), 1);
    EXPECT_EQ(DetailsLine(0), QStringLiteral("Median path, no. %1: returns moved by %2")
                                  .arg(number, PointsText(PathOffsets(7, 10, number.toInt())[2])));

    // Closing the pane takes the band and the path off the chart and out of Year Details.
    Action("ID_VIEW_RISK").trigger();
    EXPECT_TRUE(Frame().GetChart().RiskSeries().isEmpty());
    EXPECT_EQ(DetailsLine(0), QStringLiteral("Year 2002, age 54"));
}

TEST_F(RiskPaneTest, CancelStopsTheRunAndShowsNothingOfIt) {
    Action("ID_EDIT_CALCULATE").trigger();
    Action("ID_VIEW_RISK").trigger();
    QSignalSpy results(&Pane(), &RiskPane::backgroundResultShown);
    Pane().SetInputs({10000, 20, 3, 90});
    // The button is there before the bar shows, for a run that the user already regrets.
    Find<RunProgress>("riskProgress").findChild<QPushButton*>()->click();
    QTest::qWait(500);
    EXPECT_EQ(results.count(), 0);
    EXPECT_TRUE(Pane().Band().empty());
    EXPECT_EQ(Find<QLabel>("riskAnswer").text(),
              QStringLiteral("Cancelled. Change an input to run it again."));

    // The same run again, without changing an input; the offer goes while it runs.
    auto& again = Find<QPushButton>("riskRunAgain");
    ASSERT_FALSE(again.isHidden());
    again.click();
    EXPECT_TRUE(again.isHidden());
    EXPECT_NE(Find<QLabel>("riskAnswer").text(),
              QStringLiteral("Cancelled. Change an input to run it again."));
    Find<RunProgress>("riskProgress").findChild<QPushButton*>()->click();
}

// An age reached before the projection's first year asks nothing of the paths: it is refused
// with the ages that can be asked, instead of "100.0 %".
TEST_F(RiskPaneTest, AnAgeBeforeTheFirstYearIsRefused) {
    Action("ID_EDIT_CALCULATE").trigger();
    Action("ID_VIEW_RISK").trigger();
    Pane().SetInputs({1000, 10, 1, 3});
    EXPECT_EQ(Find<QLabel>("riskAnswer").text(),
              QStringLiteral("Age 3 comes before the projection's first year, 2000, at age 52: "
                             "choose an age from 52 on."));
    EXPECT_TRUE(Pane().Band().empty());
}

TEST(RiskInputsSetting, InputsComeBackAtTheNextStartAndBadOnesKeepTheDefaults) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> stored;
        RiskSettings shown;
    };
    const std::vector<Case> cases{
        {{{"Spread", "25"}, {"Paths", "10000"}, {"Seed", "18446744073709551615"}, {"Age", "90"}},
         {10000, 25, 18446744073709551615ULL, 90}},
        // Not offered, no number, past the top of 64 bits, negative: each keeps its default.
        {{{"Paths", "5000"}, {"Spread", "ten"}, {"Seed", "18446744073709551616"}, {"Age", "-4"}},
         {1000, 10, 1, 95}},
        // Out of the controls' ranges: brought to the nearest end.
        {{{"Spread", "80"}, {"Age", "1001"}}, {1000, 50, 1, 1000}},
    };
    for (const Case& c : cases) {
        MemorySettingsStore settings;
        for (const auto& [key, value] : c.stored)
            settings.WriteString("Risk", key, value);
        RiskPane pane;
        RememberRiskInputs(pane, settings);
        EXPECT_EQ(pane.Inputs(), c.shown) << c.stored.front().second;
    }
    MemorySettingsStore settings;
    RiskPane pane;
    RememberRiskInputs(pane, settings);
    pane.SetInputs({10000, 5, 42, 80});
    EXPECT_EQ(settings.ReadString("Risk", "Seed"), "42");
    EXPECT_EQ(settings.ReadString("Risk", "Paths"), "10000");
}

// The goal at the confidence chosen: the pane says what orbelan-cli goal says, keeps the plan
// at the spending found as a scenario, and applies it to the plan as an edit.
TEST_F(RiskPaneTest, GoalSaysWhatTheCommandLineSaysKeepsAndApplies) {
    Action("ID_EDIT_CALCULATE").trigger();
    QSignalSpy results(&Pane(), &RiskPane::backgroundResultShown);
    Action("ID_VIEW_RISK").trigger();
    Pane().SetInputs({1000, 10, 3, 56});
    Pane().SetConfidence(80);
    while (!Pane().Goal() || Pane().Goal()->settings.confidence != 80)
        ASSERT_TRUE(results.wait(kBackgroundAnswerMs));
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args{
        "goal", Document().GetPathName(), "--until-age", "56", "--seed", "3", "--confidence", "80"};
    ASSERT_EQ(RunCli(args, out, err), 0) << err.str();
    EXPECT_EQ((Find<QLabel>("riskGoalSpending").text() + QLatin1Char(' ') +
               Find<QLabel>("riskGoalLasts").text())
                      .toStdString() +
                  '\n',
              out.str());
    const std::int32_t spending = *Pane().Goal()->spending;
    const Plan planned = Document().ShownPlan();

    const std::string kept = folder.FilePath("kept.Orbe");
    ui.QueueSaveFile(kept);
    Find<QPushButton>("riskKeepGoal").click();
    Plan opened;
    ASSERT_EQ(OpenPlanFile(kept, opened).status, PlanOpenStatus::Opened);
    EXPECT_EQ(opened, *ExpensesAt(planned, spending));
    ASSERT_EQ(Frame().GetScenarios().Scenarios().size(), 1u);

    Find<QPushButton>("riskApplyGoal").click();
    EXPECT_EQ(Document().m_plan, *ExpensesAt(planned, spending));
    EXPECT_EQ(Document().ShownPlan(), Document().m_plan);
    EXPECT_TRUE(Document().IsModified());
}
