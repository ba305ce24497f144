#include "tests/app/AppFixture.h"

#include "platform/FilePaths.h"

#include <QAction>

#include <filesystem>

namespace {

QString Title(const std::string& fileName) {
    return QString::fromStdString(fileName) + QStringLiteral(" - Orbelan");
}

} // namespace

class FileCommandsTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }

    // A change that the save prompt must ask about, made as the edit dialogs would make it.
    void ChangePlan() {
        Document().m_plan.SetRetirementAge(60);
        Document().SetModifiedFlag(true);
    }
};

TEST_F(FileCommandsTest, NewWithoutChangesAsksNothing) {
    Action("ID_FILE_NEW").trigger();

    EXPECT_TRUE(ui.GetJournal().empty());
    EXPECT_EQ(ShownTitle(), QStringLiteral("Untitled - Orbelan"));
}

TEST_F(FileCommandsTest, NewAfterChangesCancelledKeepsThePlan) {
    ChangePlan();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Cancel);

    Action("ID_FILE_NEW").trigger();

    EXPECT_EQ(ui.GetJournal(), Journal{"ask: Save changes to Untitled?"});
    EXPECT_EQ(Document().m_plan.retirementAge, 60);
    EXPECT_TRUE(Document().IsModified());
}

TEST_F(FileCommandsTest, NewAfterChangesNotSavedDropsThem) {
    ChangePlan();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::No);

    Action("ID_FILE_NEW").trigger();

    EXPECT_EQ(ui.GetJournal(), Journal{"ask: Save changes to Untitled?"});
    EXPECT_EQ(Document().m_plan.retirementAge, Plan::kDefaultRetirementAge);
    EXPECT_FALSE(Document().IsModified());
    EXPECT_EQ(ShownTitle(), QStringLiteral("Untitled - Orbelan"));
}

TEST_F(FileCommandsTest, NewAfterChangesSavedWritesThemFirst) {
    ChangePlan();
    const std::string saved = folder.FilePath("saved.Orbe");
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Yes);
    ui.QueueSaveFile(saved);

    Action("ID_FILE_NEW").trigger();

    EXPECT_EQ(ui.GetJournal(),
              (Journal{"ask: Save changes to Untitled?", "choose save file: Untitled.Orbe"}));
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(Document().m_plan.retirementAge, Plan::kDefaultRetirementAge);
    EXPECT_EQ(ShownTitle(), QStringLiteral("Untitled - Orbelan"));
    EXPECT_EQ(RecentFileEntries(),
              QStringList{QStringLiteral("&1 ") + QString::fromStdString(FullPath(saved))});
}

TEST_F(FileCommandsTest, NewAfterChangesWhoseSaveIsCancelledKeepsThePlan) {
    ChangePlan();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Yes);
    ui.QueueSaveFile(std::nullopt);

    Action("ID_FILE_NEW").trigger();

    EXPECT_EQ(Document().m_plan.retirementAge, 60);
    EXPECT_TRUE(Document().IsModified());
}

TEST_F(FileCommandsTest, OpenShowsTheFileNameAndAnEmptyList) {
    const std::string plan = CopyExample();
    Action("ID_EDIT_CALCULATE").trigger();
    ui.QueueOpenFile(plan);

    Action("ID_FILE_OPEN").trigger();

    EXPECT_EQ(ui.GetJournal(), Journal{"choose open file"});
    EXPECT_EQ(ShownTitle(), Title("retirement-example.Orbe"));
    EXPECT_TRUE(ShownRows().empty());
    EXPECT_FALSE(Document().IsModified());
}

TEST_F(FileCommandsTest, OpenCancelledInTheDialogChangesNothing) {
    ChangePlan();
    ui.QueueOpenFile(std::nullopt);

    Action("ID_FILE_OPEN").trigger();

    EXPECT_EQ(ui.GetJournal(), Journal{"choose open file"});
    EXPECT_EQ(Document().m_plan.retirementAge, 60);
    EXPECT_TRUE(Document().IsModified());
}

TEST_F(FileCommandsTest, OpenAfterChangesCancelledAtThePromptKeepsThePlan) {
    ChangePlan();
    ui.QueueOpenFile(CopyExample());
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Cancel);

    Action("ID_FILE_OPEN").trigger();

    EXPECT_EQ(ui.GetJournal(), (Journal{"choose open file", "ask: Save changes to Untitled?"}));
    EXPECT_EQ(ShownTitle(), QStringLiteral("Untitled* - Orbelan"));
    EXPECT_EQ(Document().m_plan.retirementAge, 60);
}

TEST_F(FileCommandsTest, FailedOpenLeavesThePlanAndItsModifiedFlag) {
    ChangePlan();
    ui.QueueOpenFile(folder.FilePath("gone.Orbe"));
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::No);

    Action("ID_FILE_OPEN").trigger();

    EXPECT_EQ(ui.GetJournal(),
              (Journal{"choose open file", "ask: Save changes to Untitled?",
                       "message: Error opening file! [" + FullPath(folder.FilePath("gone.Orbe")) +
                           ": No such file or directory]"}));
    EXPECT_EQ(Document().m_plan.retirementAge, 60);
    EXPECT_TRUE(Document().IsModified());
    EXPECT_EQ(ShownTitle(), QStringLiteral("Untitled* - Orbelan"));
}

TEST_F(FileCommandsTest, OpeningAFileThatIsNoPlanLeavesTheRowsAndThePlan) {
    ui.QueueOpenFile(CopyExample());
    Action("ID_FILE_OPEN").trigger();
    Action("ID_EDIT_CALCULATE").trigger();
    ui.QueueOpenFile(AddNonPlanFile("notes.Orbe"));

    Action("ID_FILE_OPEN").trigger();

    EXPECT_EQ(ui.GetJournal().back(), "message: File format error!");
    EXPECT_EQ(ShownTitle(), Title("retirement-example.Orbe"));
    EXPECT_EQ(ShownRows(), kExampleRows);
    EXPECT_FALSE(Document().IsModified());
}

TEST_F(FileCommandsTest, SaveOfAnUntitledPlanAsksForAName) {
    ChangePlan();
    const std::string home = folder.FilePath("home.Orbe");
    ui.QueueSaveFile(home);

    Action("ID_FILE_SAVE").trigger();

    EXPECT_EQ(ui.GetJournal(), Journal{"choose save file: Untitled.Orbe"});
    EXPECT_TRUE(std::filesystem::exists(home));
    EXPECT_EQ(ShownTitle(), Title("home.Orbe"));
    EXPECT_FALSE(Document().IsModified());
}

TEST_F(FileCommandsTest, SaveOfANamedPlanWritesWithoutAsking) {
    const std::string plan = CopyExample();
    ui.QueueOpenFile(plan);
    Action("ID_FILE_OPEN").trigger();
    ChangePlan();

    Action("ID_FILE_SAVE").trigger();

    EXPECT_EQ(ui.GetJournal(), Journal{"choose open file"});
    EXPECT_FALSE(Document().IsModified());
}

TEST_F(FileCommandsTest, SaveAsProposesTheCurrentPath) {
    const std::string plan = CopyExample();
    ui.QueueOpenFile(plan);
    Action("ID_FILE_OPEN").trigger();
    ui.QueueSaveFile(std::nullopt);

    Action("ID_FILE_SAVE_AS").trigger();

    EXPECT_EQ(ui.GetJournal(),
              (Journal{"choose open file", "choose save file: " + FullPath(plan)}));
    EXPECT_EQ(ShownTitle(), Title("retirement-example.Orbe"));
}

TEST_F(FileCommandsTest, SaveAsToAShortExtensionWritesAndTakesTheFullOne) {
    ui.QueueSaveFile(folder.FilePath("home.Orb"));

    Action("ID_FILE_SAVE_AS").trigger();

    EXPECT_TRUE(std::filesystem::exists(folder.FilePath("home.Orbe")));
    EXPECT_FALSE(std::filesystem::exists(folder.FilePath("home.Orb")));
    EXPECT_EQ(ShownTitle(), Title("home.Orbe"));
}

TEST_F(FileCommandsTest, RecentFileEntryReopensItsPlan) {
    const std::string first = CopyExample("first.Orbe");
    const std::string second = CopyExample("second.Orbe");
    ui.QueueOpenFile(first);
    Action("ID_FILE_OPEN").trigger();
    ui.QueueOpenFile(second);
    Action("ID_FILE_OPEN").trigger();
    ASSERT_EQ(RecentFileEntries(),
              (QStringList{QStringLiteral("&1 ") + QString::fromStdString(FullPath(second)),
                           QStringLiteral("&2 ") + QString::fromStdString(FullPath(first))}));

    ClickInFileMenu("ID_FILE_MRU_FILE2");

    EXPECT_EQ(ShownTitle(), Title("first.Orbe"));
    EXPECT_EQ(RecentFileEntries(),
              (QStringList{QStringLiteral("&1 ") + QString::fromStdString(FullPath(first)),
                           QStringLiteral("&2 ") + QString::fromStdString(FullPath(second))}));
}

TEST_F(FileCommandsTest, RecentFileEntryThatVanishedIsReportedAndDropped) {
    const std::string plan = CopyExample();
    ui.QueueOpenFile(plan);
    Action("ID_FILE_OPEN").trigger();
    Action("ID_FILE_NEW").trigger();
    std::filesystem::remove(plan);

    ClickInFileMenu("ID_FILE_MRU_FILE1");

    EXPECT_EQ(ui.GetJournal().back(),
              "message: Error opening file! [" + FullPath(plan) + ": No such file or directory]");
    EXPECT_EQ(ShownTitle(), QStringLiteral("Untitled - Orbelan"));
    EXPECT_EQ(RecentFileEntries(), QStringList{QStringLiteral("Recent File (disabled)")});
}

TEST_F(FileCommandsTest, PlanWhoseNameIsNotUtf8IsSavedUnderItsOwnNameAndReopensFromTheMenu) {
    const std::string plan = CopyExample("Pr\xE9vision.Orbe");
    ui.QueueOpenFile(plan);
    Action("ID_FILE_OPEN").trigger();
    ChangePlan();
    Action("ID_FILE_SAVE").trigger();
    Action("ID_FILE_NEW").trigger();

    ClickInFileMenu("ID_FILE_MRU_FILE1");

    EXPECT_EQ(ui.GetJournal(), Journal{"choose open file"});
    EXPECT_EQ(Document().GetPathName(), FullPath(plan));
    EXPECT_EQ(Document().m_plan.retirementAge, 60);
    EXPECT_FALSE(std::filesystem::exists(folder.FilePath("Pr\xEF\xBF\xBDvision.Orbe")));
    EXPECT_EQ(RecentFileSetting(1), FullPath(plan));
    // Shown by the rule for stored names: bytes that are not UTF-8 as Windows-1252.
    EXPECT_EQ(ShownTitle(), QStringLiteral("Pr\u00E9vision.Orbe - Orbelan"));
    EXPECT_EQ(RecentFileEntries(),
              QStringList{QStringLiteral("&1 ") + QString::fromStdString(folder.Path().string()) +
                          QStringLiteral("/Pr\u00E9vision.Orbe")});
    Action("ID_EDIT_CALCULATE").trigger();
    ui.QueueExportFile(std::nullopt);
    Action("ID_FILE_EXPORT_CSV").trigger();
    EXPECT_EQ(ui.GetJournal().back(),
              "choose export file: " + folder.FilePath("Pr\xE9vision.csv") + " [CSV (*.csv)]");
}

TEST_F(FileCommandsTest, ClosingWithChangesCancelledKeepsTheWindowOpen) {
    ChangePlan();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Cancel);

    EXPECT_FALSE(Frame().close());

    EXPECT_EQ(ui.GetJournal(), Journal{"ask: Save changes to Untitled?"});
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(FileCommandsTest, ClosingWithChangesNotSavedCloses) {
    ChangePlan();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::No);

    EXPECT_TRUE(Frame().close());
    EXPECT_FALSE(Frame().isVisible());
}

TEST_F(FileCommandsTest, ClosingWithChangesSavedWritesThemAndCloses) {
    ChangePlan();
    const std::string home = folder.FilePath("home.Orbe");
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Yes);
    ui.QueueSaveFile(home);

    EXPECT_TRUE(Frame().close());
    EXPECT_TRUE(std::filesystem::exists(home));
}

TEST_F(FileCommandsTest, ExitAsksAboutChangesAndCancelKeepsTheWindowOpen) {
    ChangePlan();
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Cancel);

    Action("ID_APP_EXIT").trigger();

    EXPECT_EQ(ui.GetJournal(), Journal{"ask: Save changes to Untitled?"});
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(FileCommandsTest, ExitWithoutChangesClosesTheWindow) {
    Action("ID_APP_EXIT").trigger();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_TRUE(ui.GetJournal().empty());
}
