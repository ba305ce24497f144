#include "view/ProjectionReport.h"

#include "model/Plan.h"
#include "model/ProjectionTable.h"
#include "report/ProjectionColumns.h"

#include <QBuffer>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include <cstddef>

namespace {

constexpr int kResolution = 300;

QString Cell(const QString& text, bool header = false) {
    const QString tag = header ? QStringLiteral("th") : QStringLiteral("td");
    return QStringLiteral("<%1 align=\"right\">%2</%1>").arg(tag, text.toHtmlEscaped());
}

QString Rate(float rate) {
    return QLocale().toString(rate, 'g', 6) + QStringLiteral(" %");
}

QString PlanSummary(const Plan& plan) {
    QString html = QStringLiteral("<h2>Plan</h2><p>");
    html += QStringLiteral("Born %1, retiring at %2 in %3. Income tax %4 before retirement, %5 "
                           "after.</p>")
                .arg(plan.birthDate.GetYear())
                .arg(plan.retirementAge)
                .arg(plan.retirementDate.GetYear())
                .arg(Rate(plan.taxRateBefore), Rate(plan.taxRateAfter));
    html += QStringLiteral("<p>Income items: ");
    QStringList names;
    for (const IncomeItem& item : plan.incomes)
        names.append(QString::fromStdString(item.name).toHtmlEscaped());
    html += names.join(QStringLiteral(", ")) + QStringLiteral(".<br>Expense items: ");
    names.clear();
    for (const ExpenseItem& item : plan.expenses)
        names.append(QString::fromStdString(item.name).toHtmlEscaped());
    return html + names.join(QStringLiteral(", ")) + QStringLiteral(".</p>");
}

QString TableHtml(const ProjectionTable& table) {
    QString html = QStringLiteral("<h2>Projection</h2><table border=\"1\" cellpadding=\"3\" "
                                  "cellspacing=\"0\"><tr>");
    for (const std::string_view heading : kProjectionColumns)
        html += Cell(QString::fromLatin1(heading), true);
    html += QStringLiteral("</tr>");
    for (std::int32_t r = 0; r < table.rowCount; ++r) {
        const ProjectionRow& row = table.rows[static_cast<std::size_t>(r)];
        html += QStringLiteral("<tr>") + Cell(QString::number(table.firstYear + r)) +
                Cell(QString::number(row.income)) + Cell(QString::number(row.totalAssets)) +
                Cell(QString::number(row.availableAssets)) +
                Cell(QString::number(row.withdrawals)) + QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QPageSize PaperForLocale() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                      : QPageSize(QPageSize::A4);
}

} // namespace

QByteArray ProjectionReportPdf(const QString& title, const Plan& plan, const ProjectionTable& table,
                               const QImage& chart) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Orbelan"));
    writer.setPageSize(PaperForLocale());
    writer.setResolution(kResolution);

    QTextDocument document;
    const QUrl chartUrl(QStringLiteral("orbelan:chart.png"));
    document.addResource(QTextDocument::ImageResource, chartUrl, chart);
    QString html = QStringLiteral("<h1>%1</h1>").arg(title.toHtmlEscaped()) + PlanSummary(plan) +
                   TableHtml(table);
    if (!chart.isNull())
        html += QStringLiteral("<h2>Chart</h2><p><img src=\"%1\" width=\"600\"></p>")
                    .arg(chartUrl.toString());
    document.setHtml(html);
    document.print(&writer);
    return bytes;
}
