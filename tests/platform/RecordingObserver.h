#pragma once

#include "platform/DocumentObserver.h"
#include "tests/platform/support/Journal.h"

// Writes what a document tells its observers into the journal.
class RecordingObserver : public DocumentObserver {
public:
    explicit RecordingObserver(Journal& journal) : m_journal(journal) {}

    void OnDocumentTitleChanged() override;
    void OnDocumentModifiedChanged() override;
    void OnDocumentEdited() override;
    void OnDocumentPathNameSet(const std::string& path) override;

private:
    Journal& m_journal;
};
