#include "view/ProjectionExport.h"

#include "persist/CTessalyDoc.h"
#include "persist/ExportFile.h"
#include "platform/UiServices.h"
#include "report/ProjectionCsv.h"
#include "view/ProjectionChart.h"
#include "view/ProjectionReport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>

#include <optional>
#include <string>

namespace {

// The plan's file name with the export's extension, next to the plan; or the plan's
// title when it was never saved.
std::string ProposedName(const CTessalyDoc& document, const char* extension) {
    const QString path = QString::fromStdString(document.GetPathName());
    const QFileInfo plan(path);
    const QString base = path.isEmpty() ? QString::fromStdString(document.GetTitle())
                                        : plan.dir().filePath(plan.completeBaseName());
    return (base + QLatin1Char('.') + QLatin1String(extension)).toStdString();
}

QString ReportTitle(const CTessalyDoc& document) {
    return QStringLiteral("Orbelan projection: %1")
        .arg(QString::fromStdString(document.GetTitle()));
}

} // namespace

void ExportProjectionCsv(const CTessalyDoc& document, UiServices& ui) {
    const std::optional<std::string> path = ui.ChooseExportFile(
        "Export Projection as CSV", ProposedName(document, "csv"), "CSV (*.csv)");
    if (path)
        WriteExportFile(*path, FormatProjectionCsv(document.ShownResults()), ui);
}

void ExportReportPdf(const CTessalyDoc& document, ProjectionChart& chart, UiServices& ui) {
    const std::optional<std::string> path =
        ui.ChooseExportFile("Export Report as PDF", ProposedName(document, "pdf"), "PDF (*.pdf)");
    if (!path)
        return;
    const QImage picture = document.ShownResults().rowCount > 0 ? chart.grab().toImage() : QImage();
    const QByteArray bytes = ProjectionReportPdf(ReportTitle(document), document.ShownPlan(),
                                                 document.ShownResults(), picture);
    WriteExportFile(
        *path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), ui);
}
