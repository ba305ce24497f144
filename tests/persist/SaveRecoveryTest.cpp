// What the next open does with the backup of a write in place that a crash cut short.
#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"
#include "persist/SaveBackup.h"
#include "tests/persist/SaveFixture.h"
#include "tests/support/ExamplePlans.h"
#include "tests/support/UnprivilegedChild.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kOld = "2052206848\r\nthe plan before the save\r\n";
const std::string kNew = "2052206848\r\nthe plan that the save was writing, longer\r\n";
// The first 26 new bytes over the old ones: what a kill during the write leaves.
const std::string kTorn = kNew.substr(0, 26) + kOld.substr(26);

class SaveRecoveryTest : public SaveFixture {
protected:
    // A plan whose save was cut short: the backup of kOld and kNew, and the file torn.
    std::string TornPlan(const std::string& name) {
        const std::string path = m_dir.AddFile(name, kOld);
        EXPECT_FALSE(WriteSaveBackup(path, StatOf(path), kOld, kNew));
        std::ofstream(path, std::ios::binary | std::ios::in) << kTorn;
        return path;
    }

    std::string BackupName() const { return fs::directory_iterator(BackupFolder())->path(); }
};

} // namespace

TEST_F(SaveRecoveryTest, FileReplacedAfterTheCrashIsLeftAloneAndTheBackupNamed) {
    const std::string path = TornPlan("plan.Orbe");
    // cp writes into the same inode.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "a later plan";

    const RestoreResult result = RestoreInterruptedSave(path);

    EXPECT_EQ(result.status, RestoreStatus::Unmatched);
    EXPECT_EQ(ReadBytes(path), "a later plan");
    ASSERT_EQ(BackupCount(), 1u);
    EXPECT_EQ(result.backup, BackupName());
    EXPECT_EQ(RestoreInterruptedSave(path).status, RestoreStatus::NoBackup)
        << "told once; the backup stays aside";
    EXPECT_EQ(BackupCount(), 1u);
}

TEST_F(SaveRecoveryTest, RenamedTornFileIsStillPutBack) {
    const std::string path = TornPlan("plan.Orbe");
    const std::string renamed = m_dir.FilePath("renamed.Orbe");
    fs::rename(path, renamed);

    EXPECT_EQ(RestoreInterruptedSave(renamed).status, RestoreStatus::Restored);

    EXPECT_EQ(ReadBytes(renamed), kOld);
    EXPECT_EQ(BackupCount(), 0u);
}

TEST_F(SaveRecoveryTest, FileThatTheUserMayNotWriteIsNotRestored) {
    const std::string path = TornPlan("plan.Orbe");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    ASSERT_TRUE(m_doc.OnOpenDocument(path));

    EXPECT_EQ(ReadBytes(path), kTorn);
    ASSERT_EQ(BackupCount(), 1u);
    EXPECT_EQ(m_ui.GetJournal().front(),
              "message: The last save of this plan was interrupted, and the plan cannot be put "
              "back as it was before that save. That version is kept in the file named below: "
              "open that file with Orbelan to see it, and save it under a name of your choice "
              "to keep it. [" +
                  BackupName() + " (Permission denied)]");
}

TEST_F(SaveRecoveryTest, BackupThatIsNotTheUsersAloneIsIgnored) {
    const std::string path = TornPlan("plan.Orbe");
    const std::string backup = BackupName();
    struct Case {
        const char* what;
        uid_t folderOwner;
        mode_t folderMode;
        uid_t backupOwner;
        mode_t backupMode;
        std::string reason;
    };
    const uid_t self = ::geteuid();
    const uid_t other = self == 0 ? kUnprivilegedId : 0;
    const std::string folder = BackupFolder().string();
    const Case cases[] = {
        {"readable by others", self, 0700, self, 0644, "it has mode 0644, not 0600"},
        {"another user's backup", self, 0700, other, 0600,
         "it belongs to user " + std::to_string(other)},
        {"folder open to others", self, 0755, self, 0600, folder + " has mode 0755, not 0700"},
        {"another user's folder", other, 0700, self, 0600,
         folder + " belongs to user " + std::to_string(other)},
    };
    for (const Case& c : cases) {
        if (self != 0 && (c.folderOwner != self || c.backupOwner != self))
            continue; // another owner can only be set up as root
        ASSERT_EQ(::chown(backup.c_str(), c.backupOwner, c.backupOwner), 0);
        ASSERT_EQ(::chmod(backup.c_str(), c.backupMode), 0);
        ASSERT_EQ(::chown(BackupFolder().c_str(), c.folderOwner, c.folderOwner), 0);
        ASSERT_EQ(::chmod(BackupFolder().c_str(), c.folderMode), 0);

        const RestoreResult result = RestoreInterruptedSave(path);

        EXPECT_EQ(result.status, RestoreStatus::Ignored) << c.what;
        EXPECT_EQ(result.backup, backup) << c.what;
        EXPECT_EQ(result.reason, c.reason) << c.what;
        EXPECT_EQ(ReadBytes(path), kTorn) << c.what;
        EXPECT_TRUE(fs::exists(backup)) << c.what;
    }
}

TEST_F(SaveRecoveryTest, StateFolderThatCannotBeUsedStopsOnlySavesThatNeedABackup) {
    const std::string path = m_dir.AddFile("plan.Orbe", kOld);
    fs::create_hard_link(path, m_dir.FilePath("link.Orbe"));
    const std::string single = m_dir.AddFile("single.Orbe", kOld);
    // The state folder's place is taken by a file.
    std::ofstream(BackupFolder()) << "not a folder";

    EXPECT_TRUE(m_doc.OnOpenDocument(path));
    EXPECT_EQ(Save(single), "saved") << "a save through a temporary file needs no backup";
    EXPECT_EQ(Save(path), "refused; message: Error saving file! [" + path +
                              ": cannot keep the old bytes in " + BackupFolder().string() +
                              ": Not a directory]");
    EXPECT_EQ(ReadBytes(path), kOld);
}

TEST_F(SaveRecoveryTest, PutBackStoppedAnywhereIsPutBackAgain) {
    // Torn as long as the old bytes, and torn past their end.
    for (const std::string& torn : {kTorn, kNew.substr(0, kOld.size() + 5)}) {
        // Around the 26 new bytes of the tear, and the whole.
        for (const std::size_t done : {std::size_t{0}, std::size_t{1}, std::size_t{25},
                                       std::size_t{26}, std::size_t{27}, kOld.size()}) {
            const std::string path = TornPlan("plan.Orbe");
            std::ofstream(path, std::ios::binary | std::ios::trunc) << torn;
            // A put-back of the old bytes killed after done of them.
            std::ofstream(path, std::ios::binary | std::ios::in) << kOld.substr(0, done);

            const RestoreStatus status = RestoreInterruptedSave(path).status;

            EXPECT_TRUE(status == RestoreStatus::Restored || status == RestoreStatus::NoBackup)
                << torn.size() << " bytes torn, " << done << " put back";
            EXPECT_EQ(ReadBytes(path), kOld) << torn.size() << " bytes torn, " << done;
            EXPECT_EQ(BackupCount(), 0u) << torn.size() << " bytes torn, " << done;
        }
    }
}

TEST_F(SaveRecoveryTest, KeptBackupOpensAsThePlanBeforeTheSave) {
    const std::string old = PlanFileBytes(ProjectionExamplePlan());
    const std::string path = m_dir.AddFile("plan.Orbe", old);
    ASSERT_FALSE(WriteSaveBackup(path, StatOf(path), old, PlanFileBytes(FileExamplePlan())));
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "a later plan";

    const RestoreResult result = RestoreInterruptedSave(path);

    ASSERT_EQ(result.status, RestoreStatus::Unmatched);
    EXPECT_EQ(result.backup.extension(), ".Orbe");
    Plan kept;
    const PlanOpenResult opened = OpenPlanFile(result.backup, kept);
    EXPECT_EQ(opened.status, PlanOpenStatus::Opened);
    EXPECT_FALSE(opened.Damaged());
    EXPECT_EQ(opened.unreadBytes, 0u);
    EXPECT_EQ(kept, ProjectionExamplePlan());
}
