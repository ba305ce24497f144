#include "tests/app/AppFixture.h"
#include "tests/support/ExamplePlans.h"

#include "view/CTessalyView.h"
#include "view/ProjectionChart.h"
#include "view/WhatIfPane.h"
#include "view/YearDetailsPane.h"

#include <QAbstractSeries>
#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QStatusBar>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace {

// The pane's lines, depth first, as "label" or "label: amount".
QStringList PaneLines(const QTreeWidget& pane) {
    QStringList lines;
    std::function<void(const QTreeWidgetItem*)> walk = [&](const QTreeWidgetItem* item) {
        lines.append(item->text(1).isEmpty()
                         ? item->text(0)
                         : item->text(0) + QStringLiteral(": ") + item->text(1));
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i));
    };
    for (int i = 0; i < pane.topLevelItemCount(); ++i)
        walk(pane.topLevelItem(i));
    return lines;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace

class ProjectionDisplayTest : public AppFixture {
protected:
    // The pane groups digits as the locale does: these tests read it in English.
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(Start({m_plan = CopyExample()}));
    }
    void TearDown() override { QLocale::setDefault(m_locale); }
    ProjectionChart& Chart() { return Frame().GetChart(); }
    YearDetailsPane& Pane() { return Frame().GetYearDetails(); }
    QString StatusMessage() { return Frame().statusBar()->currentMessage(); }

    std::string m_plan;
    QLocale m_locale;
};

TEST_F(ProjectionDisplayTest, ChartAndPaneFollowCalculateNewAndOpen) {
    EXPECT_EQ(Chart().YearCount(), 0);
    Action("ID_EDIT_CALCULATE").trigger();
    EXPECT_EQ(Chart().YearCount(), 6);
    EXPECT_EQ(Pane().topLevelItemCount(), 0) << "no year is selected yet";
    QStringList series;
    for (const QAbstractSeries* shown : Chart().chart()->series())
        series.append(shown->name());
    EXPECT_TRUE(series.contains(QStringLiteral("2005: expenses not fully paid")))
        << series.join(u'|').toStdString();

    // The arrow keys on the chart choose a year in the list; the pane explains it.
    Chart().setFocus();
    QTest::keyClick(&Chart(), Qt::Key_Right);
    QTest::keyClick(&Chart(), Qt::Key_Right);
    QTest::keyClick(&Chart(), Qt::Key_Right);
    ASSERT_NE(Frame().GetView().currentItem(), nullptr);
    EXPECT_EQ(Frame().GetView().currentItem()->text(0), QStringLiteral("2002"));
    EXPECT_EQ(Chart().HighlightedYear(), 2002);
    const QStringList lines = PaneLines(Pane());
    EXPECT_TRUE(lines.contains(QStringLiteral("Opening balance: 1,549")))
        << lines.join(u'|').toStdString();
    EXPECT_EQ(lines.constLast(), QStringLiteral("All expenses paid"));

    // Enter on the row shows the pane.
    QTest::keyClick(&Frame().GetView(), Qt::Key_Return);
    EXPECT_TRUE(Frame().findChild<QDockWidget*>(QStringLiteral("yearDetailsDock"))->isVisible());
    EXPECT_TRUE(Action("ID_VIEW_YEAR_DETAILS").isChecked());

    // Editing the plan does not change them; New empties them.
    Document().m_plan.incomes.clear();
    QTest::keyClick(&Chart(), Qt::Key_Right);
    QTest::keyClick(&Chart(), Qt::Key_Left);
    EXPECT_EQ(Chart().YearCount(), 6);
    EXPECT_EQ(PaneLines(Pane()), lines) << "the pane explains the plan as it was calculated";
    Action("ID_FILE_NEW").trigger();
    EXPECT_EQ(Chart().YearCount(), 0);
    EXPECT_EQ(Pane().topLevelItemCount(), 0);

    ui.QueueOpenFile(m_plan);
    Action("ID_FILE_OPEN").trigger();
    Action("ID_EDIT_CALCULATE").trigger();
    EXPECT_EQ(Chart().YearCount(), 6);
    ui.QueueOpenFile(CopyExample("second.Orbe"));
    Action("ID_FILE_OPEN").trigger();
    EXPECT_EQ(Chart().YearCount(), 0);
    EXPECT_TRUE(ui.AllAnswersUsed());
}

TEST_F(ProjectionDisplayTest, SelectionTravelsAsTheRowsYearAndClearingItClearsThePanes) {
    Action("ID_EDIT_CALCULATE").trigger();
    Frame().GetView().topLevelItem(3)->setText(0, QStringLiteral("year three"));
    Frame().GetView().SelectYear(2003);
    EXPECT_EQ(Frame().GetView().currentItem(), Frame().GetView().topLevelItem(3));
    EXPECT_EQ(Chart().HighlightedYear(), 2003);
    EXPECT_GT(Pane().topLevelItemCount(), 0);
    Frame().GetView().SelectYear(2006);
    EXPECT_EQ(Chart().HighlightedYear(), 2003) << "a year not listed changes nothing";

    Frame().GetView().clearSelection();
    EXPECT_EQ(Chart().HighlightedYear(), std::nullopt);
    EXPECT_EQ(Pane().topLevelItemCount(), 0);

    // A save empties the document's table but not the screen: the export still has the rows.
    Action("ID_FILE_SAVE").trigger();
    ASSERT_EQ(Document().m_results.rowCount, 0);
    const std::string target = folder.FilePath("after-save.csv");
    ui.QueueExportFile(target);
    Action("ID_FILE_EXPORT_CSV").trigger();
    EXPECT_EQ(ReadFile(target), kProjectionExampleCsv);
}

TEST_F(ProjectionDisplayTest, CsvExportIsTheCliCsvByteForByte) {
    Action("ID_EDIT_CALCULATE").trigger();
    const std::string target = folder.FilePath("out.csv");
    ui.QueueExportFile(target);
    Action("ID_FILE_EXPORT_CSV").trigger();
    EXPECT_EQ(ReadFile(target), kProjectionExampleCsv);
    EXPECT_EQ(ui.GetJournal(),
              (Journal{"choose export file: " + folder.FilePath("retirement-example.csv") +
                       " [CSV (*.csv)]"}));
}

TEST_F(ProjectionDisplayTest, FailedExportSaysSoAndLeavesWhatWasThere) {
    Action("ID_EDIT_CALCULATE").trigger();
    // A folder where the file should go: no writing replaces it, even as root.
    const std::string target = folder.FilePath("taken.csv");
    std::filesystem::create_directory(target);
    folder.AddFile("taken.csv/inside", "kept\n");
    ui.QueueExportFile(target);
    Action("ID_FILE_EXPORT_CSV").trigger();
    EXPECT_EQ(ui.GetJournal().back().rfind("message: Error saving file! [" + target + ": ", 0), 0u)
        << ui.GetJournal().back();
    EXPECT_EQ(ReadFile(folder.FilePath("taken.csv/inside")), "kept\n");
}

TEST_F(ProjectionDisplayTest, PdfReportHoldsThePlanTheTableAndTheChart) {
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: scripts/install-deps.sh test";
    Action("ID_EDIT_CALCULATE").trigger();
    const std::string target = folder.FilePath("report.pdf");
    ui.QueueExportFile(target);
    Action("ID_FILE_EXPORT_PDF").trigger();
    ASSERT_EQ(ReadFile(target).substr(0, 5), "%PDF-");
    const std::string text = folder.FilePath("report.txt");
    ASSERT_EQ(std::system(("pdftotext -layout '" + target + "' '" + text + "'").c_str()), 0);
    const std::string report = ReadFile(text);
    for (const char* expected :
         {"Orbelan projection: retirement-example.Orbe", "retiring at 55, in 2003", "Savings",
          "Pension", "Rent", "Available Assets", "Chart"})
        EXPECT_NE(report.find(expected), std::string::npos) << expected << " in\n" << report;
    EXPECT_NE(report.find("2002"), std::string::npos);
    EXPECT_NE(report.find("-637"), std::string::npos);
    EXPECT_EQ(StatusMessage(), QStringLiteral("Written to ") + QString::fromStdString(target));
}

TEST_F(ProjectionDisplayTest, YearDetailsNameTheAgeTheRatesAndWhatWasNotPaid) {
    Action("ID_EDIT_CALCULATE").trigger();
    Chart().setFocus();
    for (int year = 2000; year <= 2005; ++year)
        QTest::keyClick(&Chart(), Qt::Key_Right);
    ASSERT_EQ(Chart().HighlightedYear(), 2005);
    const QStringList lines = PaneLines(Pane());
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("Year 2005, age 57"));
    EXPECT_EQ(lines[1], QStringLiteral("Tax rate in force: 20 %"));
    const QTreeWidgetItem* last = Pane().topLevelItem(Pane().topLevelItemCount() - 1);
    EXPECT_TRUE(last->text(0).endsWith(
        QStringLiteral("of this year's expenses could not be paid from the income items open "
                       "for withdrawal.")))
        << last->text(0).toStdString();
    EXPECT_TRUE(last->font(0).bold());
}

// In today's money the pane's figures still add up: the credits make Income, the balances
// after credits Total Assets, the expenses and withheld tax Withdrawals, and what arrived pays
// the expenses.
TEST_F(ProjectionDisplayTest, YearDetailsInTodaysMoneyAddUp) {
    Action("ID_EDIT_CALCULATE").trigger();
    Frame().GetWhatIf().findChild<QDoubleSpinBox*>(QStringLiteral("inflation"))->setValue(7.3);
    Frame().GetWhatIf().findChild<QCheckBox*>(QStringLiteral("todaysMoney"))->setChecked(true);
    Frame().GetView().setCurrentItem(Frame().GetView().topLevelItem(2));
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    std::map<QString, std::int64_t> sums;
    std::map<QString, std::int64_t> figures;
    std::function<void(const QTreeWidgetItem*)> walk = [&](const QTreeWidgetItem* item) {
        const QString label = item->text(0);
        if (!item->text(1).isEmpty()) {
            const std::int64_t amount = english.toLongLong(item->text(1));
            sums[label] += amount;
            figures[label] = amount;
        }
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i));
    };
    for (int i = 0; i < Pane().topLevelItemCount(); ++i)
        walk(Pane().topLevelItem(i));
    EXPECT_TRUE(Pane().topLevelItem(0)->text(0).endsWith(
        QStringLiteral(" money at 7.3 % inflation a year")));
    EXPECT_EQ(sums[QStringLiteral("Credited")], figures[QStringLiteral("Income items")]);
    EXPECT_EQ(sums[QStringLiteral("Balance after credits")],
              figures[QStringLiteral("Total Assets: the balances after credits")]);
    EXPECT_EQ(sums[QStringLiteral("Received")], figures[QStringLiteral("Expenses")]);
    const QString rule = QStringLiteral("Withdrawals %1 = expenses %2 + withheld tax %3")
                             .arg(english.toString(-sums[QStringLiteral("Taken")]),
                                  english.toString(figures[QStringLiteral("Expenses")]),
                                  english.toString(-sums[QStringLiteral("Withheld tax at 30 %")]));
    EXPECT_TRUE(PaneLines(Pane()).contains(rule)) << PaneLines(Pane()).join(u'|').toStdString();
}
