#pragma once

#include "platform/DocumentObserver.h"

#include <QTimer>

#include <chrono>
#include <optional>
#include <string>

class CTessalyDoc;
class DocumentManager;
struct Plan;
class UiServices;

// Keeps a copy of the plan's unsaved changes (persist/RecoveryCopy.h) a moment after each edit,
// so that a crash loses none of them, and offers it back when the plan next opens. The copy
// goes when the plan is saved or its changes are let go.
class RecoveryKeeper : private DocumentObserver {
public:
    RecoveryKeeper(CTessalyDoc& document, DocumentManager& manager, UiServices& ui);
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;
    ~RecoveryKeeper();

    // At a start that names no plan file: offers the changes of a plan never saved. True when
    // the user takes them: they show as a new plan, modified.
    bool OfferUntitledCopy();

    // Whether a copy is waiting to be written, and writing it now: what the timer does when it
    // fires.
    bool IsCopyDue() const { return m_timer.isActive(); }
    void WriteCopy();

private:
    // The copy of the plan at path (empty for a plan never saved), offered to the user; true
    // when taken, with the plan it holds.
    bool Offer(const std::string& path, Plan& plan);
    void OnDocumentEdited() override;
    void OnDocumentModifiedChanged() override;
    void OnDocumentPathNameSet(const std::string& path) override;

    CTessalyDoc& m_document;
    DocumentManager& m_manager;
    UiServices& m_ui;
    QTimer m_timer;
    // The plan whose unsaved changes these are: New forgets the path before it lets them go,
    // and an open that recovers changes names the plan after it.
    std::optional<std::string> m_changedPlan;
    // The first edit that no copy holds yet.
    std::optional<std::chrono::steady_clock::time_point> m_pendingSince;
    bool m_toldNotKept = false;
};
