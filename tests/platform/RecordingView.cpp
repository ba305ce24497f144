#include "tests/platform/RecordingView.h"

#include <utility>

RecordingView::RecordingView(Journal& journal, std::string name)
    : m_journal(journal), m_name(std::move(name)) {}

void RecordingView::OnInitialUpdate() {
    m_journal.push_back(m_name + ": OnInitialUpdate");
    ViewBase::OnInitialUpdate();
}

void RecordingView::OnUpdate(ViewBase* sender, long hint) {
    const RecordingView* from = dynamic_cast<const RecordingView*>(sender);
    m_journal.push_back(m_name + ": OnUpdate from " + (from != nullptr ? from->m_name : "none") +
                        " hint " + std::to_string(hint));
}
