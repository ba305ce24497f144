#include "platform/DocumentManager.h"

#include "platform/DocumentBase.h"
#include "platform/FilePaths.h"
#include "platform/RecentFileList.h"
#include "platform/SaveChangesQuestion.h"
#include "platform/UiServices.h"
#include "platform/ViewBase.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace {

const std::string kUntitled = "Untitled";
// Characters that make a title a doubtful file name; the proposal stops before the first.
const std::string kDoubtfulNameCharacters = " #%;/\\";

} // namespace

DocumentManager::DocumentManager(DocumentBase& document, RecentFileList& recentFiles,
                                 UiServices& ui, std::string filterExtension)
    : m_document(document), m_recentFiles(recentFiles), m_ui(ui),
      m_strFilterExtension(std::move(filterExtension)) {
    m_document.AddObserver(*this);
}

DocumentManager::~DocumentManager() {
    m_document.RemoveObserver(*this);
}

void DocumentManager::SetNameRule(std::function<std::string(std::string_view)> rule) {
    m_nameRule = std::move(rule);
}

bool DocumentManager::OnFileNew() {
    if (!SaveModified())
        return false;
    m_document.SetTitle(kUntitled);
    if (!m_document.OnNewDocument())
        return false;
    InitialUpdateViews();
    return true;
}

void DocumentManager::OnFileOpen() {
    const std::optional<std::string> path = m_ui.ChooseOpenFile();
    if (path)
        OpenDocumentFile(*path);
}

bool DocumentManager::OpenDocumentFile(const std::string& path) {
    return Open(path) == OpenResult::Opened;
}

bool DocumentManager::OpenRecentFile(std::size_t index) {
    // A copy: saving the changed document first may reorder the list.
    const std::string path = m_recentFiles[index];
    if (path.empty())
        return false;
    const OpenResult result = Open(path);
    if (result == OpenResult::Failed) {
        // An entry that cannot be opened is dropped, wherever the save put it.
        for (std::size_t entry = 0; entry < m_recentFiles.Size(); ++entry) {
            if (m_recentFiles[entry] == path) {
                m_recentFiles.Remove(entry);
                break;
            }
        }
    }
    return result == OpenResult::Opened;
}

bool DocumentManager::SaveModified() {
    if (!m_document.IsModified())
        return true;
    std::string name = m_document.GetPathName().empty() ? m_document.GetTitle()
                                                        : FileNameOf(m_document.GetPathName());
    if (name.empty())
        name = kUntitled;
    const SaveChangesAnswer answer =
        m_ui.AskSaveChanges(SaveChangesQuestion(m_nameRule ? m_nameRule(name) : name));
    if (answer == SaveChangesAnswer::Cancel)
        return false;
    if (answer == SaveChangesAnswer::Yes)
        return DoFileSave();
    return true;
}

bool DocumentManager::DoFileSave() {
    // A file that vanished or may not be written is saved under a new name.
    if (!IsExistingWritableFile(m_document.GetPathName()))
        return DoSave(std::nullopt);
    return DoSave(m_document.GetPathName());
}

bool DocumentManager::DoSave(const std::optional<std::string>& path) {
    std::optional<std::string> newName = path;
    if (!newName) {
        newName = m_ui.ChooseSaveFile(ProposedSaveName());
        if (!newName)
            return false;
        // The dialog confirmed replacing the name typed, not the one the document writes.
        const std::string written = m_document.PathWrittenFor(*newName);
        std::error_code error;
        if (written != *newName && std::filesystem::exists(PathFromUtf8(written), error) &&
            !m_ui.AskYesNo(FileNameOf(written) + " already exists.\nDo you want to replace it?"))
            return false;
    }
    // A failed save leaves the previous file alone: it is never removed here.
    if (!m_document.OnSaveDocument(*newName))
        return false;
    m_document.SetPathName(m_document.PathWrittenFor(*newName));
    return true;
}

DocumentManager::OpenResult DocumentManager::Open(const std::string& path) {
    const std::string fullPath = FullPath(path);
    // The document is already open: it stays as it is, unsaved changes included.
    if (!fullPath.empty() && fullPath == m_document.GetPathName())
        return OpenResult::Opened;
    if (!SaveModified())
        return OpenResult::Cancelled;
    const bool wasModified = m_document.IsModified();
    m_document.SetModifiedFlag(false);
    if (!m_document.OnOpenDocument(fullPath)) {
        m_document.SetModifiedFlag(wasModified);
        return OpenResult::Failed;
    }
    m_document.SetPathName(fullPath);
    InitialUpdateViews();
    return OpenResult::Opened;
}

void DocumentManager::InitialUpdateViews() {
    // A copy, so that a view may detach itself while it is being updated.
    const std::vector<ViewBase*> views = m_document.GetViews();
    for (ViewBase* view : views)
        view->OnInitialUpdate();
}

std::string DocumentManager::ProposedSaveName() const {
    if (!m_document.GetPathName().empty())
        return m_document.GetPathName();
    const std::string& title = m_document.GetTitle();
    return title.substr(0, title.find_first_of(kDoubtfulNameCharacters)) + m_strFilterExtension;
}

void DocumentManager::OnDocumentPathNameSet(const std::string& path) {
    m_recentFiles.Add(path);
}
