#pragma once

#include <string>

// Told of the changes of a document that others show or keep: the window its title and
// modified mark, the document manager the recent-file list.
class DocumentObserver {
public:
    virtual void OnDocumentTitleChanged() {}
    virtual void OnDocumentModifiedChanged() {}
    // Every change to the document, the first and each one after it: what a copy of unsaved
    // work must follow.
    virtual void OnDocumentEdited() {}
    virtual void OnDocumentPathNameSet(const std::string& /*path*/) {}

protected:
    ~DocumentObserver() = default;
};
