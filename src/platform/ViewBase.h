#pragma once

class DocumentBase;
class ViewHost;

// The view role of the framework: shows one document and is told when it changes.
class ViewBase {
public:
    ViewBase() = default;
    ViewBase(const ViewBase&) = delete;
    ViewBase& operator=(const ViewBase&) = delete;
    virtual ~ViewBase();

    DocumentBase* GetDocument() const { return m_pDocument; }

    // Run after each New and Open; shows the document afresh.
    virtual void OnInitialUpdate();
    virtual void OnUpdate(ViewBase* sender, long hint) = 0;

private:
    friend class DocumentBase;
    DocumentBase* m_pDocument = nullptr;
    // The same document, as the view may ask it to let go.
    ViewHost* m_pHost = nullptr;
};
