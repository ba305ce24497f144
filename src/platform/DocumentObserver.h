#pragma once

#include <string>

// Told of the changes of a document that others show or keep: the window its title and
// modified mark, the document manager the recent-file list.
class DocumentObserver {
public:
    virtual void OnDocumentTitleChanged() {}
    virtual void OnDocumentModifiedChanged() {}
    virtual void OnDocumentPathNameSet(const std::string& /*path*/) {}

protected:
    ~DocumentObserver() = default;
};
