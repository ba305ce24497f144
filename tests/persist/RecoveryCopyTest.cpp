// The copies of unsaved changes kept for a crash: one per plan, the user's alone, judged
// against what the plan file did since.
#include "persist/RecoveryCopy.h"
#include "tests/persist/SaveFixture.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}

class RecoveryCopyTest : public SaveFixture {
protected:
    std::string Plan(const std::string& name, const std::string& bytes = "saved\r\n") const {
        const std::string path = m_dir.FilePath(name);
        WriteFile(path, bytes);
        return path;
    }
};

} // namespace

TEST_F(RecoveryCopyTest, CopyIsJudgedByWhatThePlanFileDidSinceItWasMade) {
    struct Case {
        const char* name;
        // Done to the plan file (which holds "saved") after the copy ("edited") was made.
        std::function<void(const std::string&)> since;
        RecoveryVerdict verdict;
    };
    const Case cases[] = {
        {"left alone", [](const std::string&) {}, RecoveryVerdict::Newer},
        {"saved again with other changes",
         [](const std::string& path) { WriteFile(path, "other\r\n"); },
         RecoveryVerdict::ChangedSince},
        // Same size and time, but another file: only the inode tells.
        {"replaced by a copy that keeps its time",
         [](const std::string& path) {
             const struct stat before = StatOf(path);
             WriteFile(path + ".new", "saved\r\n");
             const struct timespec times[2] = {before.st_atim, before.st_mtim};
             ::utimensat(AT_FDCWD, (path + ".new").c_str(), times, 0);
             fs::rename(path + ".new", path);
         },
         RecoveryVerdict::ChangedSince},
        {"removed", [](const std::string& path) { fs::remove(path); },
         RecoveryVerdict::ChangedSince},
        // A save of the last edit that a crash cut short before the copy went.
        {"saved with these very changes",
         [](const std::string& path) { WriteFile(path, "edited\r\n"); },
         RecoveryVerdict::SameAsFile},
    };
    for (const Case& c : cases) {
        const std::string path = Plan("plan.Orbe");
        ASSERT_EQ(WriteRecoveryCopy(path, "edited\r\n").status, RecoveryWriteStatus::Written);
        c.since(path);

        const RecoveryReadResult copy = ReadRecoveryCopy(path);

        ASSERT_EQ(copy.status, RecoveryReadStatus::Found) << c.name;
        EXPECT_EQ(JudgeRecoveryCopy(copy.record), c.verdict) << c.name;
        RemoveRecoveryCopies(path);
    }
}

TEST_F(RecoveryCopyTest, TwoPlansAndAnUntitledOneKeepCopiesOfTheirOwn) {
    const std::string first = Plan("first.Orbe");
    const std::string second = Plan("second.Orbe");
    const time_t before = std::time(nullptr);
    for (const auto& [path, bytes] :
         {std::pair{first, "first edited"}, std::pair{second, "second edited"},
          std::pair{std::string(), "untitled edited"}})
        ASSERT_EQ(WriteRecoveryCopy(path, bytes).status, RecoveryWriteStatus::Written);
    fs::create_symlink(first, m_dir.Path() / "link.Orbe");

    for (const auto& [path, bytes] :
         {std::pair{first, "first edited"}, std::pair{m_dir.FilePath("link.Orbe"), "first edited"},
          std::pair{second, "second edited"}, std::pair{std::string(), "untitled edited"}}) {
        const RecoveryReadResult copy = ReadRecoveryCopy(path);
        ASSERT_EQ(copy.status, RecoveryReadStatus::Found) << path;
        EXPECT_EQ(copy.record.planBytes, bytes);
        EXPECT_GE(copy.record.madeSeconds, before);
        EXPECT_EQ(JudgeRecoveryCopy(copy.record), RecoveryVerdict::Newer) << path;
        EXPECT_EQ(ModeOf(copy.path), 0600u) << copy.path;
    }
    EXPECT_EQ(RecoveryCopyPath({}, RecoverySlot::Current), BackupFolder() / "recovery-untitled");
    EXPECT_EQ(BackupCount(), 3u);
}

TEST_F(RecoveryCopyTest, DeclinedCopyStaysBesideLaterEditsUntilThePlanIsSaved) {
    const std::string path = Plan("plan.Orbe");
    ASSERT_EQ(WriteRecoveryCopy(path, "declined").status, RecoveryWriteStatus::Written);

    ASSERT_TRUE(DeclineRecoveryCopy(path));
    EXPECT_FALSE(DeclineRecoveryCopy(path));
    const RecoveryReadResult declined = ReadRecoveryCopy(path);
    EXPECT_EQ(declined.slot, RecoverySlot::Declined);
    EXPECT_EQ(declined.record.planBytes, "declined");
    EXPECT_EQ(declined.path, RecoveryCopyPath(path, RecoverySlot::Declined));

    ASSERT_EQ(WriteRecoveryCopy(path, "later").status, RecoveryWriteStatus::Written);
    EXPECT_EQ(ReadRecoveryCopy(path).record.planBytes, "later");
    EXPECT_EQ(BackupCount(), 2u);

    RemoveRecoveryCopies(path);
    EXPECT_EQ(ReadRecoveryCopy(path).status, RecoveryReadStatus::None);
    EXPECT_EQ(BackupCount(), 0u);
}

TEST_F(RecoveryCopyTest, CopyThatIsNotTheUsersAloneIsNotRead) {
    const std::string path = Plan("plan.Orbe");
    const fs::path copy = RecoveryCopyPath(path, RecoverySlot::Current);
    struct Case {
        const char* name;
        std::function<void()> make;
        std::string problem;
    };
    const Case cases[] = {
        {"a link to a copy",
         [&] {
             ASSERT_EQ(WriteRecoveryCopy(path, "edited").status, RecoveryWriteStatus::Written);
             fs::rename(copy, m_dir.Path() / "elsewhere");
             fs::create_symlink(m_dir.Path() / "elsewhere", copy);
         },
         "it is a symbolic link"},
        {"a copy others may read",
         [&] {
             ASSERT_EQ(WriteRecoveryCopy(path, "edited").status, RecoveryWriteStatus::Written);
             fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write |
                                       fs::perms::group_read | fs::perms::others_read);
         },
         "it has mode 0644, not 0600"},
        {"no copy at all",
         [&] {
             std::ofstream(copy) << "orbelan recovery copy 1\n1 2 3\n";
             fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write);
         },
         "it is not a recovery copy"},
    };
    for (const Case& c : cases) {
        c.make();

        const RecoveryReadResult read = ReadRecoveryCopy(path);

        EXPECT_EQ(read.status, RecoveryReadStatus::Unusable) << c.name;
        EXPECT_EQ(read.problem, c.problem) << c.name;
        EXPECT_EQ(read.path, copy);
        RemoveRecoveryCopies(path);
    }
}

TEST_F(RecoveryCopyTest, StateFolderThatIsALinkOrOpenToOthersTakesNoCopy) {
    const fs::path state = m_dir.Path() / ".state" / "orbelan";
    const fs::path elsewhere = m_dir.Path() / "elsewhere";
    fs::create_directory(elsewhere);
    fs::permissions(elsewhere, fs::perms::owner_all);
    fs::create_directory_symlink(elsewhere, state);

    const RecoveryWriteResult linked = WriteRecoveryCopy(Plan("plan.Orbe"), "edited");

    EXPECT_EQ(linked.status, RecoveryWriteStatus::FolderUnusable);
    EXPECT_EQ(linked.problem, state.string() + " is a symbolic link");
    EXPECT_TRUE(fs::is_empty(elsewhere));

    fs::remove(state);
    fs::create_directory(state);
    fs::permissions(state, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    const RecoveryWriteResult open = WriteRecoveryCopy(Plan("plan.Orbe"), "edited");
    EXPECT_EQ(open.status, RecoveryWriteStatus::FolderUnusable);
    EXPECT_EQ(open.problem, state.string() + " has mode 0750, not 0700");
    EXPECT_TRUE(fs::is_empty(state));
}

TEST_F(RecoveryCopyTest, PlanLargerThanAnyPlanFileIsNotCopied) {
    const RecoveryWriteResult written =
        WriteRecoveryCopy(Plan("plan.Orbe"), std::string(kMaxRecoveryPlanBytes + 1, 'x'));

    EXPECT_EQ(written.status, RecoveryWriteStatus::TooLarge);
    EXPECT_EQ(written.problem, "the plan is larger than 64 MiB");
    EXPECT_EQ(BackupCount(), 0u);
}

TEST_F(RecoveryCopyTest, RecordReadsBackOnlyWhenWhole) {
    const RecoveryCopyRecord record{"/plans/home.Orbe",
                                    1765000000,
                                    {true, 2049, 77, 12, 1764999999, 5},
                                    std::string("plan\0bytes\r\n", 12)};
    const std::string contents = EncodeRecoveryCopy(record);
    const std::optional<RecoveryCopyRecord> read = DecodeRecoveryCopy(contents);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->planPath, record.planPath);
    EXPECT_EQ(read->madeSeconds, record.madeSeconds);
    EXPECT_EQ(read->file, record.file);
    EXPECT_EQ(read->planBytes, record.planBytes);

    for (const std::string& broken :
         {contents.substr(0, contents.size() - 1), contents + "x",
          "orbelan recovery copy 1\n1765000000 2 0 0 0 0 0 0 \n\0"s, "orbelan save backup 2\n"s})
        EXPECT_FALSE(DecodeRecoveryCopy(broken)) << broken;
}
