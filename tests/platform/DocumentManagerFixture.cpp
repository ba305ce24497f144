#include "tests/platform/DocumentManagerFixture.h"

const Journal DocumentManagerTest::kInitialUpdate = {"view: OnInitialUpdate",
                                                     "view: OnUpdate from none hint 0"};

DocumentManagerTest::DocumentManagerTest() {
    document.AddView(view);
}

void DocumentManagerTest::TearDown() {
    EXPECT_TRUE(ui.AllAnswersUsed()) << "the test queued answers that nobody asked for";
}

std::string DocumentManagerTest::GiveDocumentFile(const std::string& name) {
    const std::string path = folder.AddFile(name);
    document.SetPathName(path);
    journal.clear();
    return path;
}

std::vector<std::string> DocumentManagerTest::RecentEntries() const {
    std::vector<std::string> entries;
    for (std::size_t index = 0; index < recentFiles.Size(); ++index)
        entries.push_back(recentFiles[index]);
    return entries;
}

Journal Concat(std::initializer_list<Journal> parts) {
    Journal joined;
    for (const Journal& part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}
