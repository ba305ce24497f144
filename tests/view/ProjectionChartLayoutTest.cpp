#include "view/ProjectionChart.h"

#include "model/Projection.h"
#include "persist/CTessalyDoc.h"
#include "tests/platform/support/RecordingUiServices.h"
#include "tests/support/ExamplePlans.h"
#include "view/CTessalyView.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsTextItem>

#include <gtest/gtest.h>

#include <vector>

// At every size the axes' labels and the legend show whole within the chart, the legend below
// every label or not at all; no value label is cut to "...". A variant and a risk band give the
// legend its most rows.
TEST(ProjectionChartLayoutTest, TheLegendNeverCoversALabelAndNoAmountIsCut) {
    RecordingUiServices ui;
    CTessalyDoc document{ui};
    CTessalyView list{ui};
    ProjectionChart chart;
    document.AddView(list);
    document.AddView(chart);
    document.OnNewDocument();
    list.OnInitialUpdate();
    chart.OnInitialUpdate();
    document.m_plan = ProjectionExamplePlan();
    // Rent the interest pays: the money lasts to the rent's end in 2099.
    document.m_plan.expenses.front().annualAmount = 10;
    list.OnCalculate();
    ProjectionTable variant;
    Calculate(document.m_plan, variant);
    ASSERT_GE(variant.rowCount, 40) << "a century of years to label";
    chart.ShowVariant(variant);
    std::vector<RiskYear> band;
    for (std::int32_t r = 0; r < variant.rowCount; ++r)
        band.push_back({variant.firstYear + r, 10, 0, 0, -500, 1000, 3000});
    chart.ShowRisk(band, std::nullopt, QString());
    chart.show();
    bool legendGaveWay = false;
    for (const QSize size : {QSize(200, 180), QSize(210, 240), QSize(300, 180), QSize(640, 180),
                             QSize(640, 320), QSize(1200, 600)}) {
        chart.resize(size);
        // The chart lays out its axes on a later turn of the event loop.
        for (int turn = 0; turn < 3; ++turn)
            QCoreApplication::processEvents();
        // A chart that needs more than it is given grows the view past the room it has.
        EXPECT_EQ(chart.height(), size.height()) << size.width() << " wide";
        const QGraphicsTextItem* legend = nullptr;
        std::vector<const QGraphicsTextItem*> labels;
        for (const QGraphicsItem* item : chart.scene()->items()) {
            const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
            if (text == nullptr || text->toPlainText().isEmpty())
                continue;
            if (text->toPlainText().contains(QStringLiteral("Withdrawals")))
                legend = text;
            else if (text->isVisible())
                labels.push_back(text);
        }
        ASSERT_NE(legend, nullptr);
        if (legend->isVisible())
            labels.push_back(legend);
        legendGaveWay = legendGaveWay || !legend->isVisible();
        EXPECT_GE(labels.size(), 4u) << size.width() << "x" << size.height();
        for (const QGraphicsTextItem* label : labels) {
            const std::string text = label->toPlainText().toStdString();
            const QRectF shown = label->sceneBoundingRect();
            EXPECT_TRUE(chart.viewport()->rect().contains(chart.mapFromScene(shown).boundingRect()))
                << text << " at " << size.width() << "x" << size.height();
            EXPECT_EQ(text.find("..."), std::string::npos) << text;
            EXPECT_TRUE(label == legend || !legend->isVisible() ||
                        shown.bottom() <= legend->sceneBoundingRect().top())
                << text << " at " << size.width() << "x" << size.height();
        }
    }
    EXPECT_TRUE(legendGaveWay) << "the narrowest chart has no room for every row";
}
