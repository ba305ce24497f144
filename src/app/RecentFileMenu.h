#pragma once

#include <vector>

class QAction;
class RecentFileList;

// The recent-file entries of the File menu: one numbered full path per listed file, or a
// grayed "Recent File" placeholder in the first entry while the list is empty.
class RecentFileMenu {
public:
    RecentFileMenu(RecentFileList& recentFiles, std::vector<QAction*> entries);

    // Mends the listed names' extensions, then shows them; run each time the menu opens.
    void Update();

private:
    void ShowEntries();

    RecentFileList& m_recentFiles;
    std::vector<QAction*> m_entries;
};
