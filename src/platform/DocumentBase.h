#pragma once

#include "platform/ViewHost.h"

#include <string>
#include <vector>

class DocumentObserver;
class ViewBase;

// The document role of the framework: a path, a title, a modified flag and the views that
// show the document. A derived document supplies the reading and writing.
class DocumentBase : public ViewHost {
public:
    DocumentBase() = default;
    DocumentBase(const DocumentBase&) = delete;
    DocumentBase& operator=(const DocumentBase&) = delete;
    virtual ~DocumentBase();

    const std::string& GetPathName() const { return m_strPathName; }
    // Takes the full form of the path, titles the document with its file name and has the
    // path added to the recent-file list.
    void SetPathName(const std::string& path);
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title);

    bool IsModified() const { return m_bModified; }
    // Marking the document modified tells the observers of the edit each time, and of the
    // flag when it changes.
    void SetModifiedFlag(bool modified = true);

    void AddView(ViewBase& view);
    void RemoveView(ViewBase& view) override;
    const std::vector<ViewBase*>& GetViews() const { return m_views; }
    // Every view but the sender hears of the change.
    void UpdateAllViews(ViewBase* sender = nullptr, long hint = 0);

    void AddObserver(DocumentObserver& observer);
    void RemoveObserver(DocumentObserver& observer);

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path) = 0;
    virtual bool OnSaveDocument(const std::string& path) = 0;
    virtual void DeleteContents() {}
    // The name a save to the chosen path really writes; a document that mends file names
    // on save says so here, so that it takes the name of the file that exists.
    virtual std::string PathWrittenFor(const std::string& chosen) const { return chosen; }

private:
    template <typename Notify> void NotifyObservers(Notify notify);
    // A view's two pointers to its document always change together.
    static void Attach(ViewBase& view, DocumentBase* document);

    std::string m_strPathName;
    std::string m_strTitle;
    bool m_bModified = false;
    std::vector<ViewBase*> m_views;
    std::vector<DocumentObserver*> m_observers;
};
