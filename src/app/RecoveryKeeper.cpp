#include "app/RecoveryKeeper.h"

#include "persist/CTessalyDoc.h"
#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"
#include "persist/RecoveryCopy.h"
#include "platform/DocumentManager.h"
#include "platform/FilePaths.h"
#include "platform/UiServices.h"
#include "report/DisplayName.h"
#include "report/RecoveryText.h"

#include <algorithm>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A copy is written once the edits pause for a second, but never later than this after the
// first edit it is to hold, so that a steady run of edits is kept too.
constexpr milliseconds kPause{1000};
constexpr milliseconds kLatest{1250};

std::string NameOf(const std::string& path) {
    return DisplayName(path.empty() ? std::string("Untitled") : FileNameOf(path));
}

} // namespace

RecoveryKeeper::RecoveryKeeper(CTessalyDoc& document, DocumentManager& manager, UiServices& ui)
    : m_document(document), m_manager(manager), m_ui(ui) {
    m_timer.setObjectName(QStringLiteral("recoveryCopyTimer"));
    m_timer.setSingleShot(true);
    m_timer.callOnTimeout([this] { WriteCopy(); });
    m_document.SetRecoveryOffer(
        [this](const std::string& path, Plan& plan) { return Offer(path, plan); });
    m_document.AddObserver(*this);
}

RecoveryKeeper::~RecoveryKeeper() {
    m_document.RemoveObserver(*this);
    m_document.SetRecoveryOffer(nullptr);
}

bool RecoveryKeeper::OfferUntitledCopy() {
    Plan plan;
    if (!Offer({}, plan) || !m_manager.OnFileNew())
        return false;
    m_document.m_plan = std::move(plan);
    m_document.SetModifiedFlag(true);
    m_document.UpdateAllViews();
    return true;
}

void RecoveryKeeper::WriteCopy() {
    m_timer.stop();
    m_pendingSince.reset();
    if (!m_document.IsModified())
        return;
    const RecoveryWriteResult written =
        WriteRecoveryCopy(m_document.GetPathName(), PlanFileBytes(m_document.m_plan));
    if (written.status == RecoveryWriteStatus::Written || m_toldNotKept)
        return;
    m_toldNotKept = true;
    const NotKeptReason reason =
        written.status == RecoveryWriteStatus::TooLarge         ? NotKeptReason::TooLarge
        : written.status == RecoveryWriteStatus::FolderUnusable ? NotKeptReason::FolderUnusable
                                                                : NotKeptReason::WriteFailed;
    m_ui.ShowMessage(NotKeptMessage(reason), written.problem);
}

bool RecoveryKeeper::Offer(const std::string& path, Plan& plan) {
    const std::string name = NameOf(path);
    RecoveryReadResult copy = ReadRecoveryCopy(path);
    RecoveryVerdict verdict = RecoveryVerdict::Newer;
    // A copy that holds what the file holds (a crash after a save, before the save removed
    // it) is of no use, and leaves the way to one declined before. One that cannot be
    // removed (a read-only disk) is left for another time.
    if (copy.status == RecoveryReadStatus::Found &&
        (verdict = JudgeRecoveryCopy(copy.record)) == RecoveryVerdict::SameAsFile) {
        const RecoverySlot removed = copy.slot;
        RemoveRecoveryCopy(path, removed);
        copy = ReadRecoveryCopy(path);
        if (copy.status == RecoveryReadStatus::Found &&
            (copy.slot == removed ||
             (verdict = JudgeRecoveryCopy(copy.record)) == RecoveryVerdict::SameAsFile))
            return false;
    }
    if (copy.status == RecoveryReadStatus::Unusable)
        m_ui.ShowMessage(UnusableCopyMessage(name), copy.path.string() + " (" + copy.problem + ")");
    if (copy.status != RecoveryReadStatus::Found)
        return false;
    const std::string time = ClockTime(copy.record.madeSeconds);
    const bool changed = verdict == RecoveryVerdict::ChangedSince;
    if (!m_ui.AskYesNoDefaultYes(changed ? ChangedOnDiskQuestion(name, time)
                                         : RecoverQuestion(name, time),
                                 std::string(changed ? kChangedOnDiskDetail : kRecoverDetail))) {
        const bool setAside = copy.slot == RecoverySlot::Current && DeclineRecoveryCopy(path);
        m_ui.ShowMessage(KeptChangesMessage(name, path.empty()),
                         setAside ? RecoveryCopyPath(path, RecoverySlot::Declined).string()
                                  : copy.path.string());
        return false;
    }
    Plan recovered;
    if (ReadPlanFile(copy.record.planBytes, recovered).status != PlanOpenStatus::Opened)
        return false;
    plan = std::move(recovered);
    return true;
}

void RecoveryKeeper::OnDocumentEdited() {
    if (!m_changedPlan)
        m_changedPlan = m_document.GetPathName();
    const Clock::time_point now = Clock::now();
    if (!m_pendingSince)
        m_pendingSince = now;
    const auto waited = std::chrono::duration_cast<milliseconds>(now - *m_pendingSince);
    m_timer.start(std::max(milliseconds(0), std::min(kPause, kLatest - waited)));
}

void RecoveryKeeper::OnDocumentModifiedChanged() {
    if (m_document.IsModified())
        return;
    // Saved, or let go: either way no copy of these changes is wanted any more.
    m_timer.stop();
    m_pendingSince.reset();
    RemoveRecoveryCopies(m_changedPlan.value_or(m_document.GetPathName()));
    m_changedPlan.reset();
}

void RecoveryKeeper::OnDocumentPathNameSet(const std::string& path) {
    if (m_document.IsModified())
        m_changedPlan = path;
}
