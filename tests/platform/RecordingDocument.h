#pragma once

#include "platform/DocumentBase.h"
#include "tests/platform/support/Journal.h"

// A document whose reading and writing only write into the journal and succeed or fail as
// the test says.
class RecordingDocument : public DocumentBase {
public:
    explicit RecordingDocument(Journal& journal) : m_journal(journal) {}

    bool newSucceeds = true;
    bool openSucceeds = true;
    bool saveSucceeds = true;
    // Saves a name ending in ".Orb" as ".Orbe", as the plan document does.
    bool repairsShortExtension = false;

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    void DeleteContents() override;
    std::string PathWrittenFor(const std::string& chosen) const override;

private:
    Journal& m_journal;
};
