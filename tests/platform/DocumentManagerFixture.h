#pragma once

#include "platform/DocumentManager.h"
#include "platform/RecentFileList.h"
#include "tests/platform/RecordingDocument.h"
#include "tests/platform/RecordingView.h"
#include "tests/platform/support/Journal.h"
#include "tests/platform/support/RecordingUiServices.h"
#include "tests/platform/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A manager on a recording document with one view, a list of four recent files and a fake
// user, all writing into one journal.
class DocumentManagerTest : public testing::Test {
protected:
    DocumentManagerTest();
    void TearDown() override;

    // The document as if it had been opened from a new file of that name; the journal is
    // emptied afterwards.
    std::string GiveDocumentFile(const std::string& name);
    std::vector<std::string> RecentEntries() const;

    static const Journal kInitialUpdate;

    TemporaryDirectory folder;
    Journal journal;
    RecordingDocument document{journal};
    RecordingView view{journal, "view"};
    RecentFileList recentFiles{4};
    RecordingUiServices ui{journal};
    DocumentManager manager{document, recentFiles, ui, ".Orbe"};
};

// The journal lines that follow one another, joined for comparison.
Journal Concat(std::initializer_list<Journal> parts);
