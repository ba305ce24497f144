#include "tests/platform/RecordingObserver.h"

void RecordingObserver::OnDocumentTitleChanged() {
    m_journal.push_back("title changed");
}

void RecordingObserver::OnDocumentModifiedChanged() {
    m_journal.push_back("modified changed");
}

void RecordingObserver::OnDocumentEdited() {
    m_journal.push_back("edited");
}

void RecordingObserver::OnDocumentPathNameSet(const std::string& path) {
    m_journal.push_back("path set: " + path);
}
