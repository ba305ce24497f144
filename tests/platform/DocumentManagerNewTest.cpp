#include "tests/platform/DocumentManagerFixture.h"

using Entries = std::vector<std::string>;

TEST_F(DocumentManagerTest, NewOnAnUnchangedDocumentAsksNothing) {
    const std::string old = GiveDocumentFile("old.Orbe");

    EXPECT_TRUE(manager.OnFileNew());

    EXPECT_EQ(journal, Concat({{"OnNewDocument", "DeleteContents"}, kInitialUpdate}));
    EXPECT_EQ(document.GetPathName(), "");
    EXPECT_EQ(document.GetTitle(), "Untitled");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(RecentEntries(), (Entries{old, "", "", ""}));
}

TEST_F(DocumentManagerTest, NewAnsweredNoDropsTheChanges) {
    GiveDocumentFile("plan.Orbe");
    document.SetModifiedFlag();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::No);

    EXPECT_TRUE(manager.OnFileNew());

    EXPECT_EQ(journal,
              Concat({{"ask: Save changes to plan.Orbe?", "OnNewDocument", "DeleteContents"},
                      kInitialUpdate}));
    EXPECT_EQ(document.GetTitle(), "Untitled");
    EXPECT_FALSE(document.IsModified());
}

TEST_F(DocumentManagerTest, NewAnsweredYesSavesFirst) {
    const std::string plan = GiveDocumentFile("plan.Orbe");
    document.SetModifiedFlag();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Yes);

    EXPECT_TRUE(manager.OnFileNew());

    EXPECT_EQ(journal, Concat({{"ask: Save changes to plan.Orbe?", "OnSaveDocument: " + plan,
                                "OnNewDocument", "DeleteContents"},
                               kInitialUpdate}));
    EXPECT_EQ(document.GetPathName(), "");
}

TEST_F(DocumentManagerTest, NewCancelledLeavesTheDocumentAlone) {
    const std::string plan = GiveDocumentFile("plan.Orbe");
    document.SetModifiedFlag();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Cancel);

    EXPECT_FALSE(manager.OnFileNew());

    EXPECT_EQ(journal, (Journal{"ask: Save changes to plan.Orbe?"}));
    EXPECT_EQ(document.GetPathName(), plan);
    EXPECT_EQ(document.GetTitle(), "plan.Orbe");
    EXPECT_TRUE(document.IsModified());
}

TEST_F(DocumentManagerTest, NewStopsWhenTheSaveFails) {
    const std::string plan = GiveDocumentFile("plan.Orbe");
    document.SetModifiedFlag();
    document.saveSucceeds = false;
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Yes);

    EXPECT_FALSE(manager.OnFileNew());

    EXPECT_EQ(journal, (Journal{"ask: Save changes to plan.Orbe?", "OnSaveDocument: " + plan}));
    EXPECT_EQ(document.GetPathName(), plan);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(DocumentManagerTest, NewStopsWhenSavingAnUntitledDocumentIsCancelled) {
    document.SetTitle("Untitled");
    document.SetModifiedFlag();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Yes);
    ui.QueueSaveFile(std::nullopt);

    EXPECT_FALSE(manager.OnFileNew());

    EXPECT_EQ(journal,
              (Journal{"ask: Save changes to Untitled?", "choose save file: Untitled.Orbe"}));
    EXPECT_TRUE(document.IsModified());
}

TEST_F(DocumentManagerTest, NewThatTheDocumentRefusesSkipsTheInitialUpdate) {
    document.newSucceeds = false;

    EXPECT_FALSE(manager.OnFileNew());

    EXPECT_EQ(journal, (Journal{"OnNewDocument", "DeleteContents"}));
}

TEST_F(DocumentManagerTest, PromptNamesADocumentWithoutPathByItsTitle) {
    document.SetTitle("Budget 2024");
    document.SetModifiedFlag();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Cancel);

    EXPECT_FALSE(manager.SaveModified());

    EXPECT_EQ(journal, (Journal{"ask: Save changes to Budget 2024?"}));
}

TEST_F(DocumentManagerTest, PromptNamesADocumentWithoutPathOrTitleUntitled) {
    document.SetModifiedFlag();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Cancel);

    EXPECT_FALSE(manager.SaveModified());

    EXPECT_EQ(journal, (Journal{"ask: Save changes to Untitled?"}));
}

TEST_F(DocumentManagerTest, ClosingAnUnchangedDocumentAsksNothing) {
    GiveDocumentFile("plan.Orbe");

    EXPECT_TRUE(manager.CanCloseFrame());

    EXPECT_TRUE(journal.empty());
}

TEST_F(DocumentManagerTest, ClosingFollowsTheAnswerToTheSavePrompt) {
    const std::string plan = GiveDocumentFile("plan.Orbe");
    document.SetModifiedFlag();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Cancel);
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::No);
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Yes);

    EXPECT_FALSE(manager.CanCloseFrame());
    EXPECT_TRUE(manager.CanCloseFrame());
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(manager.CanCloseFrame());

    EXPECT_EQ(journal,
              (Journal{"ask: Save changes to plan.Orbe?", "ask: Save changes to plan.Orbe?",
                       "ask: Save changes to plan.Orbe?", "OnSaveDocument: " + plan}));
    EXPECT_FALSE(document.IsModified());
}

TEST_F(DocumentManagerTest, ClosingIsRefusedWhenTheSaveFails) {
    GiveDocumentFile("plan.Orbe");
    document.SetModifiedFlag();
    document.saveSucceeds = false;
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Yes);

    EXPECT_FALSE(manager.CanCloseFrame());
    EXPECT_TRUE(document.IsModified());
}
