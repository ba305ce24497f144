#pragma once

#include "model/Plan.h"
#include "model/ProjectionTable.h"
#include "report/ChartScale.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// The money a report shows its amounts in, when not as projected.
struct TodaysMoneyNote {
    std::int32_t year = 0;
    float inflation = 0;
};

// Everything a report says: the plan, and its projection as the report shows it.
struct ReportContent {
    QString title;
    Plan plan;
    ProjectionTable table;
    ChartEnding ending;
    std::optional<TodaysMoneyNote> todaysMoney;
};

// The report's title for the plan of that name, the same from the window and the command line.
QString ReportTitle(const QString& planName);

// The content of a report of the projection, in today's money when a note is given: the table
// and the chart both.
ReportContent MakeReportContent(const QString& title, const Plan& plan,
                                const ProjectionTable& table, const ChartEnding& ending,
                                const std::optional<TodaysMoneyNote>& todaysMoney);

// The report as a PDF of vectors, on A4 paper, or Letter where the locale measures in inches: the
// plan and its items with their amounts, the chart, and the projection table with its headings
// on every page, no row split by a page break, and page numbers. Empty when the memory for it
// cannot be had.
std::optional<QByteArray> ProjectionReportPdf(const ReportContent& content);
