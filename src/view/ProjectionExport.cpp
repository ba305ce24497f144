#include "view/ProjectionExport.h"

#include "dialogs/NameText.h"
#include "persist/CTessalyDoc.h"
#include "persist/ExportFile.h"
#include "persist/UserMessages.h"
#include "platform/FilePaths.h"
#include "platform/UiServices.h"
#include "report/ProjectionCsv.h"
#include "view/MoneyDisplay.h"

#include <optional>
#include <string>

namespace {

// The plan's file name with the export's extension, next to the plan; or the plan's
// title when it was never saved. By the path's bytes: Qt would read a name that is not UTF-8
// as another one.
std::string ProposedName(const CTessalyDoc& document, const char* extension) {
    if (document.GetPathName().empty())
        return document.GetTitle() + "." + extension;
    return Utf8FromPath(PathFromUtf8(document.GetPathName()).replace_extension(extension));
}

} // namespace

std::optional<std::string> ExportProjectionCsv(const CTessalyDoc& document, UiServices& ui) {
    const std::optional<std::string> path = ui.ChooseExportFile(
        "Export Projection as CSV", ProposedName(document, "csv"), "CSV (*.csv)");
    if (!path || !WriteExportFile(*path, FormatProjectionCsv(document.ShownResults()), ui))
        return std::nullopt;
    return path;
}

std::optional<std::string> ExportReportPdf(const CTessalyDoc& document, const MoneyDisplay& display,
                                           const ReportRequest& request, UiServices& ui) {
    const std::optional<std::string> path =
        ui.ChooseExportFile("Export Report as PDF", ProposedName(document, "pdf"), "PDF (*.pdf)");
    if (!path)
        return std::nullopt;
    std::optional<TodaysMoneyNote> todaysMoney;
    if (display.ShowsTodaysMoney())
        todaysMoney = TodaysMoneyNote{display.CurrentYear(), display.Inflation()};
    const std::optional<QByteArray> bytes = ProjectionReportPdf(MakeReportContent(
        ReportTitle(NameForDisplay(document.GetTitle())), document.ShownPlan(),
        document.ShownResults(), {document.ShownLastRowCovered(), document.ShownLimitYear()},
        todaysMoney, request));
    if (!bytes) {
        ui.ShowMessage(std::string(kAllocationError));
        return std::nullopt;
    }
    if (!WriteExportFile(
            *path, std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())),
            ui))
        return std::nullopt;
    return path;
}
