#pragma once

#include "model/Goal.h"
#include "model/Plan.h"
#include "model/ProjectionTable.h"
#include "model/Risk.h"
#include "model/Scenarios.h"
#include "report/ChartScale.h"
#include "report/ReportSummary.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The money a report shows its amounts in, when not as projected.
struct TodaysMoneyNote {
    std::int32_t year = 0;
    float inflation = 0;
};

// Other plans compared with the report's own, for a page of their figures: the names they go by,
// the report's plan first, and their finished comparison.
struct ReportScenarios {
    std::vector<std::string> names;
    ScenarioComparison comparison;
};

// What a report is asked to say beyond the projection: the age its money should last to, a risk
// run and a goal to summarise when there are some, and scenarios to compare when there are
// some.
struct ReportRequest {
    std::int32_t untilAge = kDefaultUntilAge;
    std::optional<RiskSummary> risk;
    std::optional<ReportScenarios> scenarios;
    // What can be spent at a confidence over the risk run's paths, when asked.
    std::optional<GoalAnswer> goal;
};

// Everything a report says: the plan, its projection as the report shows it, the facts of its
// summary, and the line that says when and by what it was made.
struct ReportContent {
    QString title;
    Plan plan;
    ProjectionTable table;
    ChartEnding ending;
    std::optional<TodaysMoneyNote> todaysMoney;
    ReportSummaryFacts summary;
    QString madeOn;
    std::optional<ReportScenarios> scenarios;
    // The risk run's band for the chart, in the table's money; empty without a run.
    std::vector<RiskYear> band;
};

// The report's title for the plan of that name, the same from the window and the command line.
QString ReportTitle(const QString& planName);

// The content of a report of the projection made today, in today's money when a note is given:
// the table, the chart and the summary's amounts all.
ReportContent MakeReportContent(const QString& title, const Plan& plan,
                                const ProjectionTable& table, const ChartEnding& ending,
                                const std::optional<TodaysMoneyNote>& todaysMoney,
                                const ReportRequest& request = {});

// The report as a PDF of vectors, on A4 paper, or Letter where the locale measures in inches:
// the summary first, the assumptions with every item, the chart, and the projection table with
// an age column, its headings on every page and no row split by a page break, the scenarios
// compared when there are some, and page numbers.
// A plan of many items lists them last, so that the summary, chart and table come first. Empty
// when the memory for it cannot be had.
std::optional<QByteArray> ProjectionReportPdf(const ReportContent& content);
