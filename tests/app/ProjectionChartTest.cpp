#include "tests/app/AppFixture.h"

#include "model/Projection.h"
#include "view/ProjectionChart.h"

#include <QAction>
#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QPalette>

namespace {

// 1,000,000 saved from 2025 with 30,000 a year more, and living costs of 50,000: a hundred
// years from 2025 to 2124, none of them short.
constexpr const char* kHundredYears =
    "2052206848\n1 1 1990\n65\n1 1 2055\n30\n20\n1\nSavings\n0\n"
    "1000000\n1 1 2025\n30000\n1 1 2025\n31 12 2124\n2\n1 1 2025\n"
    "4\n4\n0\n1 1 2025\n1\nLiving costs\n0\n1 1 2025\n50000\n"
    "1 1 2025\n31 12 2124\n2\n";
// 1,000,000 at 60 % interest: the amounts of 2016 leave 32 bits.
constexpr const char* kReachesTheLimit = "2052206848\n1 1 1960\n65\n1 1 2025\n0\n0\n1\nFund\n0\n"
                                         "1000000\n1 1 2000\n0\n1 1 2000\n1 1 2000\n0\n1 1 2000\n"
                                         "60\n60\n0\n1 1 2000\n1\nCosts\n0\n1 1 2000\n1000\n"
                                         "1 1 2000\n31 12 2099\n0\n";

// The chart's line of that name, or none.
const QLineSeries* Line(const ProjectionChart& chart, const QString& name) {
    for (const QAbstractSeries* series : chart.chart()->series())
        if (series->name() == name)
            return qobject_cast<const QLineSeries*>(series);
    return nullptr;
}

} // namespace

class ProjectionChartTest : public AppFixture {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(m_locale); }

    // Opens the plan (or a new one), projects it and lays the chart out at a usual size.
    ProjectionChart& Project(const char* planText) {
        EXPECT_TRUE(Start(planText == nullptr
                              ? std::vector<std::string>{}
                              : std::vector{folder.AddFile("plan.Orbe", planText)}));
        Frame().resize(900, 700);
        Action("ID_EDIT_CALCULATE").trigger();
        ProjectionChart& chart = Frame().GetChart();
        chart.resize(800, 320);
        return chart;
    }

    QLocale m_locale;
};

TEST_F(ProjectionChartTest, HundredYearsAreLabelledOnRoundYearsAndHoverShowsTheYear) {
    ProjectionChart& chart = Project(kHundredYears);
    ASSERT_EQ(chart.YearCount(), 100);
    const QStringList years = chart.YearLabels();
    EXPECT_GE(years.size(), 5);
    EXPECT_LE(years.size(), 20);
    for (const QString& label : years)
        EXPECT_EQ(label.toInt() % 5, 0) << label.toStdString();
    EXPECT_EQ(chart.LegendEntries(),
              (QStringList{QStringLiteral("Income"), QStringLiteral("Withdrawals"),
                           QStringLiteral("Total Assets"), QStringLiteral("Available Assets"),
                           QStringLiteral("Retirement 2055")}));

    // The pointer over the first year's column, anywhere in its height, shows its values.
    const QPointF first = chart.chart()->mapToPosition(QPointF(0.2, 0));
    const QPoint at = chart.mapFromScene(first + QPointF(0, -20));
    QMouseEvent move(QEvent::MouseMove, at, chart.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(chart.viewport(), &move);
    EXPECT_EQ(chart.HoverText(), QStringLiteral("2025\nIncome 1,071,200\nTotal Assets 1,071,200\n"
                                                "Available Assets 1,071,200\nWithdrawals -50,000"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&chart, &leave);
    EXPECT_EQ(chart.HoverText(), QString());
}

TEST_F(ProjectionChartTest, TheLimitIsMarkedApartFromAnUncoveredYear) {
    ProjectionChart& chart = Project(kReachesTheLimit);
    ASSERT_EQ(chart.YearCount(), 16);
    EXPECT_EQ(chart.LegendEntries().last(),
              QStringLiteral("The projection stops at the calculation limit in 2016"));
    EXPECT_FALSE(chart.LegendEntries().join(u'|').contains(QStringLiteral("covered")));
    EXPECT_EQ(chart.YearLabels().last(), QStringLiteral("2016")) << "the year not calculated";
    const QLineSeries* limit =
        Line(chart, QStringLiteral("The projection stops at the calculation limit in 2016"));
    ASSERT_NE(limit, nullptr);
    EXPECT_EQ(limit->pen().style(), Qt::DotLine);
}

TEST_F(ProjectionChartTest, ANewPlanDrawsWholeNumberedAxes) {
    ProjectionChart& chart = Project(nullptr);
    ASSERT_EQ(chart.YearCount(), 100) << "years 0 to 99";
    EXPECT_EQ(chart.AmountLabels(), (QStringList{QStringLiteral("0"), QStringLiteral("1")}));
    EXPECT_EQ(chart.YearLabels().first(), QStringLiteral("0"));
}

TEST_F(ProjectionChartTest, AVariantHasItsOwnColoursAndLegendAndTheChartFollowsThePalette) {
    ProjectionChart& chart = Project(kHundredYears);
    ProjectionTable variant;
    Calculate(Document().m_plan, variant);
    chart.ShowVariant(variant);
    ASSERT_EQ(chart.VariantLines().size(), 2);
    EXPECT_TRUE(chart.LegendEntries().contains(QStringLiteral("Total Assets (what if)")));
    const QLineSeries* total = Line(chart, QStringLiteral("Total Assets"));
    ASSERT_NE(total, nullptr);
    EXPECT_NE(total->pen().color(), chart.VariantLines()[0]->pen().color());

    QPalette dark = chart.palette();
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xe0, 0xe0, 0xe0));
    chart.setPalette(dark);
    EXPECT_EQ(chart.chart()->backgroundBrush().color(), QColor(0x20, 0x20, 0x20));
    for (const QAbstractAxis* axis : chart.chart()->axes())
        EXPECT_EQ(axis->labelsBrush().color(), QColor(0xe0, 0xe0, 0xe0));
}
