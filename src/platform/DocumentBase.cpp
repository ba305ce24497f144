#include "platform/DocumentBase.h"

#include "platform/DocumentObserver.h"
#include "platform/FilePaths.h"
#include "platform/ViewBase.h"

#include <algorithm>

template <typename Notify> void DocumentBase::NotifyObservers(Notify notify) {
    // A copy, so that an observer may leave while it is being told.
    const std::vector<DocumentObserver*> observers = m_observers;
    for (DocumentObserver* observer : observers)
        notify(*observer);
}

void DocumentBase::Attach(ViewBase& view, DocumentBase* document) {
    view.m_pDocument = document;
    view.m_pHost = document;
}

DocumentBase::~DocumentBase() {
    for (ViewBase* view : m_views)
        Attach(*view, nullptr);
}

void DocumentBase::SetPathName(const std::string& path) {
    m_strPathName = FullPath(path);
    SetTitle(FileNameOf(m_strPathName));
    NotifyObservers(
        [this](DocumentObserver& observer) { observer.OnDocumentPathNameSet(m_strPathName); });
}

void DocumentBase::SetTitle(const std::string& title) {
    if (title == m_strTitle)
        return;
    m_strTitle = title;
    NotifyObservers([](DocumentObserver& observer) { observer.OnDocumentTitleChanged(); });
}

void DocumentBase::SetModifiedFlag(bool modified) {
    if (modified != m_bModified) {
        m_bModified = modified;
        NotifyObservers([](DocumentObserver& observer) { observer.OnDocumentModifiedChanged(); });
    }
    if (modified)
        NotifyObservers([](DocumentObserver& observer) { observer.OnDocumentEdited(); });
}

void DocumentBase::AddView(ViewBase& view) {
    if (view.m_pDocument == this)
        return;
    if (view.m_pDocument != nullptr)
        view.m_pDocument->RemoveView(view);
    m_views.push_back(&view);
    Attach(view, this);
}

void DocumentBase::RemoveView(ViewBase& view) {
    const auto found = std::find(m_views.begin(), m_views.end(), &view);
    if (found == m_views.end())
        return;
    m_views.erase(found);
    Attach(view, nullptr);
}

void DocumentBase::UpdateAllViews(ViewBase* sender, long hint) {
    for (ViewBase* view : m_views)
        if (view != sender)
            view->OnUpdate(sender, hint);
}

void DocumentBase::AddObserver(DocumentObserver& observer) {
    if (std::find(m_observers.begin(), m_observers.end(), &observer) == m_observers.end())
        m_observers.push_back(&observer);
}

void DocumentBase::RemoveObserver(DocumentObserver& observer) {
    std::erase(m_observers, &observer);
}

bool DocumentBase::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}
