#include "tests/platform/RecordingDocument.h"

bool RecordingDocument::OnNewDocument() {
    m_journal.push_back("OnNewDocument");
    return DocumentBase::OnNewDocument() && newSucceeds;
}

bool RecordingDocument::OnOpenDocument(const std::string& path) {
    // The flag as the document finds it tells whether the manager cleared it first.
    m_journal.push_back("OnOpenDocument: " + path + (IsModified() ? " (modified)" : ""));
    return openSucceeds;
}

bool RecordingDocument::OnSaveDocument(const std::string& path) {
    m_journal.push_back("OnSaveDocument: " + path);
    if (saveSucceeds)
        SetModifiedFlag(false);
    return saveSucceeds;
}

void RecordingDocument::DeleteContents() {
    m_journal.push_back("DeleteContents");
}

std::string RecordingDocument::PathWrittenFor(const std::string& chosen) const {
    if (repairsShortExtension && chosen.ends_with(".Orb"))
        return chosen + "e";
    return DocumentBase::PathWrittenFor(chosen);
}
