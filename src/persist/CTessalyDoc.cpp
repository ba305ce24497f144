#include "persist/CTessalyDoc.h"

#include "model/Projection.h"
#include "persist/AtomicFileWriter.h"
#include "persist/PlanFile.h"
#include "persist/PlanFileNaming.h"
#include "persist/PlanFileOpen.h"
#include "persist/SaveBackup.h"
#include "persist/UserMessages.h"
#include "platform/FilePaths.h"
#include "platform/UiServices.h"
#include "report/LimitText.h"

#include <utility>

CTessalyDoc::CTessalyDoc(UiServices& ui) : m_ui(ui) {}

bool CTessalyDoc::OnNewDocument() {
    if (!DocumentBase::OnNewDocument())
        return false;
    m_results.rowCount = 0;
    m_shown = {};
    m_plan.Reset();
    m_bPlanReplaced = true;
    return true;
}

bool CTessalyDoc::OnOpenDocument(const std::string& path) {
    const RestoreResult restored = RestoreInterruptedSave(PathFromUtf8(path));
    const RestoreNotice restore = DescribeRestore(restored, path);
    const PlanOpenResult result = OpenAfterRestore(restored, PathFromUtf8(path), m_plan);
    switch (result.status) {
    case PlanOpenStatus::CannotOpen:
        m_ui.ShowMessage(std::string(kErrorOpeningFile), FileErrorDetail(path, result.error));
        return false;
    case PlanOpenStatus::FormatError:
        m_ui.ShowMessage(std::string(kFileFormatError));
        return false;
    case PlanOpenStatus::Opened:
        break;
    }
    m_bPlanReplaced = true;
    m_results.rowCount = 0;
    m_shown = {};
    if (!restore.text.empty())
        m_ui.ShowMessage(restore.text, restore.detail);
    if (result.Damaged())
        m_ui.ShowMessage(DamagedFileMessage(result.damagedLine));
    if (result.unreadBytes != 0)
        m_ui.ShowMessage(UnreadBytesMessage(result.unreadBytes));
    if (m_recoveryOffer && m_recoveryOffer(path, m_plan))
        SetModifiedFlag(true);
    return true;
}

bool CTessalyDoc::OnSaveDocument(const std::string& path) {
    const std::string written = PathWrittenFor(path);
    if (const std::error_code error =
            WriteFileSafely(PathFromUtf8(written), PlanFileBytes(m_plan))) {
        m_ui.ShowMessage(std::string(kErrorSavingFile), FileErrorDetail(written, error));
        return false;
    }
    m_results.rowCount = 0;
    SetModifiedFlag(false);
    return true;
}

void CTessalyDoc::SetRecoveryOffer(RecoveryOffer offer) {
    m_recoveryOffer = std::move(offer);
}

std::string CTessalyDoc::PathWrittenFor(const std::string& chosen) const {
    return RepairPlanExtension(chosen);
}

ProjectionTable CTessalyDoc::ShownResults() const {
    ProjectionTable shown = m_results;
    shown.rowCount = m_shown.rowCount;
    return shown;
}

std::optional<YearBreakdown> CTessalyDoc::BreakdownOfYear(std::int32_t year) const {
    const std::int64_t row = std::int64_t{year} - m_results.firstYear;
    if (row < 0 || row >= m_shown.rowCount)
        return std::nullopt;
    return ExplainYear(m_shown.plan, year);
}

void CTessalyDoc::Calculate() {
    const ProjectionOutcome outcome = ::Calculate(m_plan, m_results);
    if (outcome.status == ProjectionStatus::AllocationFailed) {
        m_ui.ShowMessage(std::string(kAllocationError));
        return;
    }
    std::optional<std::int32_t> limitYear;
    if (outcome.status == ProjectionStatus::AmountOutOfRange)
        limitYear = outcome.stoppedYear;
    m_shown = {m_plan, m_results.rowCount, outcome.lastRowCovered, limitYear};
    UpdateAllViews();
    if (limitYear)
        m_ui.ShowMessage(LimitMessage(*limitYear));
}
