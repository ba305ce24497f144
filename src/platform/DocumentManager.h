#pragma once

#include "platform/DocumentObserver.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class DocumentBase;
class RecentFileList;
class UiServices;

// The single-document template and the file commands of the framework: New, Open, Save,
// Save As, the recent files and the question whether to save changes. It decides; the
// document reads and writes, the UI services ask the user.
class DocumentManager : private DocumentObserver {
public:
    // filterExtension, with its dot, is added to the name proposed for a document without a
    // path.
    DocumentManager(DocumentBase& document, RecentFileList& recentFiles, UiServices& ui,
                    std::string filterExtension);
    DocumentManager(const DocumentManager&) = delete;
    DocumentManager& operator=(const DocumentManager&) = delete;
    ~DocumentManager();

    // The rule that shows a document's name in the questions asked, so that they name it as
    // the window's title does; until one is given, names are shown as they are.
    void SetNameRule(std::function<std::string(std::string_view)> rule);

    bool OnFileNew();
    void OnFileOpen();
    bool OpenDocumentFile(const std::string& path);
    bool OpenRecentFile(std::size_t index);
    void OnFileSave() { DoFileSave(); }
    void OnFileSaveAs() { DoSave(std::nullopt); }

    // False when the user cancels or the save fails: the command that asked must stop.
    bool SaveModified();
    bool DoFileSave();
    // Without a path, the user chooses the name as for Save As.
    bool DoSave(const std::optional<std::string>& path);
    bool CanCloseFrame() { return SaveModified(); }

private:
    enum class OpenResult { Opened, Cancelled, Failed };

    OpenResult Open(const std::string& path);
    void InitialUpdateViews();
    std::string ProposedSaveName() const;
    void OnDocumentPathNameSet(const std::string& path) override;

    DocumentBase& m_document;
    RecentFileList& m_recentFiles;
    UiServices& m_ui;
    std::string m_strFilterExtension;
    std::function<std::string(std::string_view)> m_nameRule;
};
