#include "platform/FilePaths.h"
#include "tests/platform/DocumentManagerFixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

using Entries = std::vector<std::string>;

namespace {

std::string ContentOf(const std::string& path) {
    std::ifstream file(PathFromUtf8(path), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

} // namespace

TEST_F(DocumentManagerTest, SaveWritesAnExistingFileInPlace) {
    const std::string plan = GiveDocumentFile("plan.Orbe");
    document.SetModifiedFlag();

    manager.OnFileSave();

    EXPECT_EQ(journal, (Journal{"OnSaveDocument: " + plan}));
    EXPECT_EQ(document.GetPathName(), plan);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(RecentEntries(), (Entries{plan, "", "", ""}));
}

TEST_F(DocumentManagerTest, SaveWithoutAPathIsSaveAs) {
    const std::string chosen = folder.FilePath("chosen.Orbe");
    document.SetTitle("Untitled");
    document.SetModifiedFlag();
    ui.QueueSaveFile(chosen);

    manager.OnFileSave();

    EXPECT_EQ(journal, (Journal{"choose save file: Untitled.Orbe", "OnSaveDocument: " + chosen}));
    EXPECT_EQ(document.GetPathName(), chosen);
    EXPECT_EQ(document.GetTitle(), "chosen.Orbe");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(RecentEntries(), (Entries{chosen, "", "", ""}));
}

TEST_F(DocumentManagerTest, SaveOfAVanishedFileIsSaveAs) {
    const std::string gone = GiveDocumentFile("gone.Orbe");
    fs::remove(PathFromUtf8(gone));
    ui.QueueSaveFile(std::nullopt);

    EXPECT_FALSE(manager.DoFileSave());

    EXPECT_EQ(journal, (Journal{"choose save file: " + gone}));
    EXPECT_EQ(document.GetPathName(), gone);
}

TEST_F(DocumentManagerTest, SaveOfAReadOnlyFileIsSaveAs) {
    const std::string locked = GiveDocumentFile("locked.Orbe");
    fs::permissions(PathFromUtf8(locked), fs::perms::owner_write, fs::perm_options::remove);
    const std::string copy = folder.FilePath("copy.Orbe");
    ui.QueueSaveFile(copy);

    EXPECT_TRUE(manager.DoFileSave());

    EXPECT_EQ(journal, (Journal{"choose save file: " + locked, "OnSaveDocument: " + copy}));
    EXPECT_EQ(document.GetPathName(), copy);
}

TEST_F(DocumentManagerTest, SavePromptAnsweredYesOnAReadOnlyFileGoesThroughSaveAs) {
    const std::string locked = GiveDocumentFile("locked.Orbe");
    fs::permissions(PathFromUtf8(locked), fs::perms::owner_write, fs::perm_options::remove);
    document.SetModifiedFlag();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Yes);
    ui.QueueSaveFile(std::nullopt);

    EXPECT_FALSE(manager.CanCloseFrame());

    EXPECT_EQ(journal,
              (Journal{"ask: Save changes to locked.Orbe?", "choose save file: " + locked}));
    EXPECT_TRUE(document.IsModified());
}

TEST_F(DocumentManagerTest, SaveAsProposesTheCurrentPath) {
    const std::string plan = GiveDocumentFile("plan.Orbe");
    ui.QueueSaveFile(std::nullopt);

    manager.OnFileSaveAs();

    EXPECT_EQ(journal, (Journal{"choose save file: " + plan}));
}

TEST_F(DocumentManagerTest, SaveAsProposesTheTitleCutAtTheFirstDoubtfulCharacter) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Untitled", "Untitled.Orbe"},
        {"my plan#2", "my.Orbe"},
        {"a#b", "a.Orbe"},
        {"a%b", "a.Orbe"},
        {"a;b", "a.Orbe"},
        {"a/b", "a.Orbe"},
        {"a\\b", "a.Orbe"},
        {"#a", ".Orbe"},
        {"plan.v2", "plan.v2.Orbe"},
    };
    for (const auto& [title, proposal] : cases) {
        SCOPED_TRACE(title);
        journal.clear();
        document.SetTitle(title);
        ui.QueueSaveFile(std::nullopt);

        EXPECT_FALSE(manager.DoSave(std::nullopt));

        EXPECT_EQ(journal, (Journal{"choose save file: " + proposal}));
    }
}

TEST_F(DocumentManagerTest, CancelledSaveAsChangesNothing) {
    const std::string plan = GiveDocumentFile("plan.Orbe");
    document.SetModifiedFlag();
    ui.QueueSaveFile(std::nullopt);

    EXPECT_FALSE(manager.DoSave(std::nullopt));

    EXPECT_EQ(journal, (Journal{"choose save file: " + plan}));
    EXPECT_EQ(document.GetPathName(), plan);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(DocumentManagerTest, FailedSaveAsKeepsNameFlagListAndTheFileThatWasThere) {
    const std::string plan = GiveDocumentFile("plan.Orbe");
    const std::string other = folder.AddFile("other.Orbe", "earlier plan");
    document.SetModifiedFlag();
    document.saveSucceeds = false;
    ui.QueueSaveFile(other);

    EXPECT_FALSE(manager.DoSave(std::nullopt));

    EXPECT_EQ(journal, (Journal{"choose save file: " + plan, "OnSaveDocument: " + other}));
    EXPECT_EQ(document.GetPathName(), plan);
    EXPECT_EQ(document.GetTitle(), "plan.Orbe");
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(RecentEntries(), (Entries{plan, "", "", ""}));
    EXPECT_EQ(ContentOf(other), "earlier plan");
}

TEST_F(DocumentManagerTest, SaveAsTakesThePathActuallyWritten) {
    document.repairsShortExtension = true;
    document.SetTitle("Untitled");
    const std::string chosen = folder.FilePath("home.Orb");
    ui.QueueSaveFile(chosen);

    EXPECT_TRUE(manager.DoSave(std::nullopt));

    EXPECT_EQ(journal, (Journal{"choose save file: Untitled.Orbe", "OnSaveDocument: " + chosen}));
    EXPECT_EQ(document.GetPathName(), chosen + "e");
    EXPECT_EQ(document.GetTitle(), "home.Orbe");
    EXPECT_EQ(RecentEntries(), (Entries{chosen + "e", "", "", ""}));
}

TEST_F(DocumentManagerTest, SaveAsOverAnExistingRepairedNameAsksFirst) {
    document.repairsShortExtension = true;
    document.SetTitle("Untitled");
    const std::string existing = folder.AddFile("home.Orbe", "earlier plan");
    const std::string chosen = folder.FilePath("home.Orb");
    const std::string question =
        "ask yes/no: home.Orbe already exists.\nDo you want to replace it?";
    for (const bool replace : {false, true}) {
        journal.clear();
        ui.QueueSaveFile(chosen);
        ui.QueueYesNoAnswer(replace);

        EXPECT_EQ(manager.DoSave(std::nullopt), replace);

        Journal expected{"choose save file: Untitled.Orbe", question};
        if (replace)
            expected.push_back("OnSaveDocument: " + chosen);
        EXPECT_EQ(journal, expected);
    }
    EXPECT_EQ(document.GetPathName(), existing);
}

TEST_F(DocumentManagerTest, SaveToAShortExtensionTakesThePathActuallyWritten) {
    document.repairsShortExtension = true;
    const std::string shortName = GiveDocumentFile("home.Orb");

    EXPECT_TRUE(manager.DoFileSave());

    EXPECT_EQ(journal, (Journal{"OnSaveDocument: " + shortName}));
    EXPECT_EQ(document.GetPathName(), shortName + "e");
    EXPECT_EQ(RecentEntries(), (Entries{shortName + "e", shortName, "", ""}));
}
