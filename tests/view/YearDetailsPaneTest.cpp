#include "view/YearDetailsPane.h"
#include "persist/CTessalyDoc.h"
#include "tests/platform/support/RecordingUiServices.h"
#include "tests/support/ExamplePlans.h"

#include <QApplication>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

// An amount is never broken over two lines at its digit grouping, however narrow the pane
// is when it first shows a year: the Amount column takes the widest amount whole.
TEST(YearDetailsPaneTest, AmountsKeepOneLineInANarrowPane) {
    RecordingUiServices ui;
    CTessalyDoc document{ui};
    YearDetailsPane pane;
    document.AddView(pane);
    document.OnNewDocument();
    pane.OnInitialUpdate();
    document.m_plan = ProjectionExamplePlan();
    document.m_plan.incomes[0].initialAmount = 1'000'000'000;
    document.Calculate();
    pane.resize(380, 600);
    pane.show();
    QApplication::processEvents();

    pane.ShowYear(2001);
    QApplication::processEvents();

    const int margin = pane.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &pane) + 1;
    int amounts = 0;
    for (QTreeWidgetItemIterator it(&pane); *it != nullptr; ++it) {
        const QString amount = (*it)->text(1);
        if (amount.isEmpty() || pane.isFirstColumnSpanned(pane.indexFromItem(*it).row(),
                                                          pane.indexFromItem(*it).parent()))
            continue;
        ++amounts;
        EXPECT_LE(pane.fontMetrics().horizontalAdvance(amount) + 2 * margin, pane.columnWidth(1))
            << amount.toStdString();
    }
    EXPECT_GT(amounts, 10);
}
