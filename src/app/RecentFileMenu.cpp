#include "app/RecentFileMenu.h"

#include "dialogs/NameText.h"
#include "persist/PlanFileNaming.h"
#include "platform/RecentFileList.h"

#include <QAction>
#include <QString>

#include <algorithm>
#include <utility>

namespace {

// A file name's '&' is shown, not taken as the entry's mnemonic.
QString EntryText(std::size_t index, const std::string& path) {
    QString name = NameForDisplay(path);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

} // namespace

RecentFileMenu::RecentFileMenu(RecentFileList& recentFiles, std::vector<QAction*> entries)
    : m_recentFiles(recentFiles), m_entries(std::move(entries)) {
    ShowEntries();
}

void RecentFileMenu::Update() {
    FixRecentFileExtensions(m_recentFiles);
    ShowEntries();
}

void RecentFileMenu::ShowEntries() {
    bool anyListed = false;
    const std::size_t count = std::min(m_entries.size(), m_recentFiles.Size());
    for (std::size_t index = 0; index < m_entries.size(); ++index) {
        QAction* entry = m_entries[index];
        const bool listed = index < count && !m_recentFiles[index].empty();
        entry->setVisible(listed);
        entry->setEnabled(listed);
        if (listed)
            entry->setText(EntryText(index, m_recentFiles[index]));
        anyListed = anyListed || listed;
    }
    if (!anyListed && !m_entries.empty()) {
        m_entries.front()->setText(QStringLiteral("Recent File"));
        m_entries.front()->setVisible(true);
    }
}
