#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class Plan;
struct ProjectionTable;

// The projection report as a PDF: the plan in summary, the projection table and the chart,
// on A4 paper, or Letter where the locale measures in inches.
QByteArray ProjectionReportPdf(const QString& title, const Plan& plan, const ProjectionTable& table,
                               const QImage& chart);
