// Unsaved changes survive the window's end without a save: a copy a moment after each edit,
// offered back at the next start.
#include "tests/app/AppFixture.h"

#include "app/RecoveryKeeper.h"
#include "persist/PlanFile.h"
#include "persist/RecoveryCopy.h"

#include <QAction>
#include <QTime>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kAsk = "ask yes/no, Yes by default: ";
constexpr const char* kUnchangedDetail = " [The plan file itself stays as it is until you save.]";

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class RecoveryTest : public AppFixture {
protected:
    // An edit as the dialogs make it, kept in a recovery copy as the timer would keep it.
    void EditAndKeep(std::int32_t retirementAge) {
        Document().m_plan.SetRetirementAge(retirementAge);
        Document().SetModifiedFlag(true);
        ASSERT_TRUE(app->GetRecovery().IsCopyDue());
        m_madeAt = QTime::currentTime().toString(QStringLiteral("HH:mm")).toStdString();
        app->GetRecovery().WriteCopy();
        EXPECT_FALSE(app->GetRecovery().IsCopyDue());
    }

    // The window ends without a word, as when it is killed, and starts again.
    bool Restart(const std::vector<std::string>& arguments = {}) {
        app.reset();
        ui.QueueYesNoAnswer(m_answer);
        return Start(arguments);
    }

    // The recovery question asked, with the time the copy was made.
    std::string Asked(const std::string& question) const {
        return kAsk + question.substr(0, question.find("TIME")) + m_madeAt +
               question.substr(question.find("TIME") + 4);
    }

    fs::path CopyFolder() const { return folder.Path() / "state" / "orbelan"; }
    bool NoCopies() const {
        std::error_code error;
        for (fs::directory_iterator entry(CopyFolder(), error), end; !error && entry != end;
             entry.increment(error))
            if (entry->path().filename().string().starts_with("recovery-"))
                return false;
        return true;
    }

    std::string m_madeAt;
    bool m_answer = true;
};

} // namespace

TEST_F(RecoveryTest, EditIsOfferedAtTheNextStartAndReturnRecoversItWithTheFileUntouched) {
    const std::string plan = CopyExample("home.Orbe");
    ASSERT_TRUE(Start({plan}));
    const std::string bytes = ReadFile(plan);
    struct stat before {};
    ::stat(plan.c_str(), &before);
    EditAndKeep(60);
    EXPECT_EQ(ShownTitle(), QStringLiteral("home.Orbe* - Orbelan"));

    ASSERT_TRUE(Restart({plan}));

    EXPECT_EQ(
        ui.GetJournal(),
        Journal{Asked("Recover the unsaved changes to home.Orbe from TIME?") + kUnchangedDetail});
    EXPECT_EQ(Document().m_plan.retirementAge, 60);
    EXPECT_TRUE(Document().IsModified());
    EXPECT_EQ(ShownTitle(), QStringLiteral("home.Orbe* - Orbelan"));
    EXPECT_EQ(ReadFile(plan), bytes);
    struct stat after {};
    ::stat(plan.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    // A save puts the changes in the file, and the copy goes.
    Action("ID_FILE_SAVE").trigger();
    EXPECT_TRUE(NoCopies());
    EXPECT_EQ(ShownTitle(), QStringLiteral("home.Orbe - Orbelan"));
}

TEST_F(RecoveryTest, DeclinedChangesAreKeptAndOfferedAgainUntilThePlanIsSaved) {
    const std::string plan = CopyExample("home.Orbe");
    ASSERT_TRUE(Start({plan}));
    EditAndKeep(60);
    m_answer = false;

    ASSERT_TRUE(Restart({plan}));

    const fs::path declined = RecoveryCopyPath(plan, RecoverySlot::Declined);
    EXPECT_TRUE(fs::exists(declined));
    EXPECT_FALSE(fs::exists(RecoveryCopyPath(plan, RecoverySlot::Current)));
    EXPECT_EQ(
        ui.GetJournal(),
        (Journal{Asked("Recover the unsaved changes to home.Orbe from TIME?") + kUnchangedDetail,
                 "message: The unsaved changes to home.Orbe are kept in the file named "
                 "below, and offered again each time home.Orbe opens until it is saved. [" +
                     declined.string() + "]"}));
    EXPECT_NE(Document().m_plan.retirementAge, 60);
    EXPECT_FALSE(Document().IsModified());

    // Later edits do not replace the declined changes; the newest are offered first.
    EditAndKeep(61);
    m_answer = true;
    ASSERT_TRUE(Restart({plan}));
    EXPECT_EQ(Document().m_plan.retirementAge, 61);
    Action("ID_FILE_SAVE").trigger();
    EXPECT_TRUE(NoCopies());
}

TEST_F(RecoveryTest, PlanChangedOnDiskSinceTheCopyIsSaidSoBeforeItsChangesAreShown) {
    const std::string plan = CopyExample("home.Orbe");
    ASSERT_TRUE(Start({plan}));
    EditAndKeep(60);
    app.reset();
    // Saved by another window since.
    fs::copy_file(ORBELAN_EXAMPLES_DIR "/household.Orbe", plan,
                  fs::copy_options::overwrite_existing);
    const std::string other = ReadFile(plan);

    ASSERT_TRUE(Restart({plan}));

    EXPECT_EQ(ui.GetJournal(),
              Journal{Asked("home.Orbe has changed on disk since TIME. Recover the unsaved "
                            "changes anyway?") +
                      " [Recovering shows the unsaved changes in place of the plan on disk, "
                      "which stays as it is until you save. Save As keeps both.]"});
    EXPECT_EQ(Document().m_plan.retirementAge, 60);
    EXPECT_TRUE(Document().IsModified());
    EXPECT_EQ(ReadFile(plan), other);
}

TEST_F(RecoveryTest, CopyOfWhatTheFileHoldsGoesWithoutAQuestion) {
    const std::string plan = CopyExample("home.Orbe");
    ASSERT_TRUE(Start({plan}));
    EditAndKeep(60);
    // The save wrote the file, and the window was killed before it removed the copy.
    std::ofstream(plan, std::ios::binary | std::ios::trunc) << PlanFileBytes(Document().m_plan);

    ASSERT_TRUE(Restart({plan}));

    EXPECT_EQ(ui.GetJournal(), Journal{});
    EXPECT_EQ(Document().m_plan.retirementAge, 60);
    EXPECT_FALSE(Document().IsModified());
    EXPECT_TRUE(NoCopies());
}

TEST_F(RecoveryTest, UntitledPlanIsOfferedAtAStartThatNamesNoFile) {
    SetRecentFileSettings({CopyExample("recent.Orbe")});
    ASSERT_TRUE(Start());
    Action("ID_FILE_NEW").trigger();
    EditAndKeep(60);

    ASSERT_TRUE(Restart());

    EXPECT_EQ(ui.GetJournal(), Journal{Asked("Recover the unsaved changes to Untitled from TIME?") +
                                       kUnchangedDetail});
    EXPECT_EQ(Document().GetPathName(), "");
    EXPECT_EQ(Document().m_plan.retirementAge, 60);
    EXPECT_EQ(ShownTitle(), QStringLiteral("Untitled* - Orbelan"));
}

TEST_F(RecoveryTest, ChangesLetGoAtCloseOrAtNewTakeTheirCopyAlong) {
    const std::string plan = CopyExample("home.Orbe");
    ASSERT_TRUE(Start({plan}));
    EditAndKeep(60);
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::No);
    Frame().close();
    EXPECT_TRUE(NoCopies());

    ASSERT_TRUE(Start({plan}));
    EditAndKeep(61);
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::No);
    Action("ID_FILE_NEW").trigger();
    EXPECT_TRUE(NoCopies());
    EXPECT_FALSE(app->GetRecovery().IsCopyDue());
    EXPECT_EQ(ui.GetJournal(),
              (Journal{"ask: Save changes to home.Orbe?", "ask: Save changes to home.Orbe?"}));
}

TEST_F(RecoveryTest, StateFolderThatCannotBeUsedNeverStopsAPlanAndIsToldOnce) {
    fs::create_directories(folder.Path() / "state");
    fs::create_directory_symlink(folder.Path(), CopyFolder());
    const std::string plan = CopyExample("home.Orbe");

    ASSERT_TRUE(Start({plan}));
    EditAndKeep(60);
    EditAndKeep(61);

    EXPECT_EQ(Document().GetPathName(), plan);
    EXPECT_EQ(ui.GetJournal(),
              Journal{"message: Unsaved changes cannot be kept for recovery after a crash, "
                      "because the folder named below cannot be used. Save your work to keep "
                      "it. [" +
                      CopyFolder().string() + " is a symbolic link]"});
}

TEST_F(RecoveryTest, TitleAndSaveQuestionNameThePlanByTheOneRule) {
    // Not UTF-8: shown as Windows-1252, "Prévision.Orbe".
    const std::string plan = CopyExample("Pr\xE9vision.Orbe");
    ASSERT_TRUE(Start({plan}));
    EXPECT_EQ(ShownTitle(), QStringLiteral("Pr\u00E9vision.Orbe - Orbelan"));
    Document().SetModifiedFlag(true);
    EXPECT_EQ(ShownTitle(), QStringLiteral("Pr\u00E9vision.Orbe* - Orbelan"));
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Cancel);

    Action("ID_FILE_NEW").trigger();

    EXPECT_EQ(ui.GetJournal(), Journal{"ask: Save changes to Pr\u00E9vision.Orbe?"});
}
