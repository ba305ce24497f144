#include "persist/PlanFile.h"
#include "persist/SaveBackup.h"
#include "tests/persist/SaveFixture.h"
#include "tests/support/ExamplePlans.h"
#include "tests/support/UnprivilegedChild.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/resource.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kOldBytes = "the previous plan";

enum class Runner { ThisProcess, Unprivileged };

class SaveSemanticsTest : public SaveFixture {
protected:
    std::string SaveAs(Runner runner, const std::string& path) {
        if (runner == Runner::ThisProcess)
            return Save(path);
        return RunAsUnprivilegedUser([&] { return Save(path); });
    }

    // A file with the old bytes, its owner and its mode.
    std::string AddFile(const std::string& name, uid_t owner, mode_t mode) {
        const std::string path = m_dir.AddFile(name, kOldBytes);
        EXPECT_EQ(::chown(path.c_str(), owner, owner), 0);
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }

    std::string Saved() const { return "saved"; }
    std::string Refused(const std::string& path, const std::string& reason) const {
        return "refused; message: Error saving file! [" + path + ": " + reason + "]";
    }
};

// Skipping is the test body's own: GTEST_SKIP returns from the function it is written in.
constexpr const char* kNeedsRoot = "files of another owner can only be set up as root";

} // namespace

TEST_F(SaveSemanticsTest, ReadOnlyFileIsRefusedForEveryUserAndLeftAlone) {
    const uid_t self = ::geteuid();
    for (const Runner runner : {Runner::ThisProcess, Runner::Unprivileged}) {
        const std::string path =
            AddFile("read-only.Orbe", self == 0 ? kUnprivilegedId : self, 0444);
        EXPECT_EQ(SaveAs(runner, path), Refused(path, "Permission denied"));
        EXPECT_EQ(ReadBytes(path), kOldBytes);
        EXPECT_EQ(StatOf(path).st_mode & 07777, 0444u);
    }
}

TEST_F(SaveSemanticsTest, FileTheUserMayNotWriteIsRefusedInAFolderThatTheUserMay) {
    if (::geteuid() != 0)
        GTEST_SKIP() << kNeedsRoot;
    const std::string path = AddFile("roots.Orbe", 0, 0644);
    EXPECT_EQ(SaveAs(Runner::Unprivileged, path), Refused(path, "Permission denied"));
    EXPECT_EQ(ReadBytes(path), kOldBytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.Path()), fs::directory_iterator()), 2)
        << "the plan and the backup folder only";
}

TEST_F(SaveSemanticsTest, WritableFileInAReadOnlyFolderIsWrittenInPlace) {
    if (::geteuid() != 0)
        GTEST_SKIP() << kNeedsRoot;
    const fs::path folder = m_dir.Path() / "read-only";
    fs::create_directory(folder);
    const std::string path = AddFile("read-only/plan.Orbe", kUnprivilegedId, 0644);
    ASSERT_EQ(::chown(folder.c_str(), kUnprivilegedId, kUnprivilegedId), 0);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec);
    const ino_t inode = StatOf(path).st_ino;

    EXPECT_EQ(SaveAs(Runner::Unprivileged, path), Saved());

    EXPECT_EQ(ReadBytes(path), PlanFileBytes(FileExamplePlan()));
    EXPECT_EQ(StatOf(path).st_ino, inode);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_EQ(BackupCount(), 0u);
}

TEST_F(SaveSemanticsTest, HardLinkedFileStaysOneFile) {
    const std::string path = m_dir.AddFile("plan.Orbe", kOldBytes);
    const std::string other = m_dir.FilePath("other name.Orbe");
    fs::create_hard_link(path, other);

    EXPECT_EQ(Save(path), Saved());

    EXPECT_EQ(ReadBytes(other), PlanFileBytes(FileExamplePlan()));
    EXPECT_EQ(StatOf(path).st_ino, StatOf(other).st_ino);
    EXPECT_EQ(StatOf(path).st_nlink, 2u);
    EXPECT_EQ(BackupCount(), 0u);
}

TEST_F(SaveSemanticsTest, OwnerGroupAndModeStay) {
    if (::geteuid() != 0)
        GTEST_SKIP() << kNeedsRoot;
    struct Case {
        Runner runner;
        uid_t owner;
        mode_t mode;
    };
    // Root hands the new file to its owner; a user who may write a file of root's but may
    // not give one away writes it in place.
    for (const Case& c :
         {Case{Runner::ThisProcess, kUnprivilegedId, 0640}, Case{Runner::Unprivileged, 0, 0666}}) {
        const std::string path = AddFile("owned.Orbe", c.owner, c.mode);
        EXPECT_EQ(SaveAs(c.runner, path), Saved()) << c.owner;
        const struct stat info = StatOf(path);
        EXPECT_EQ(info.st_uid, c.owner);
        EXPECT_EQ(info.st_gid, c.owner);
        EXPECT_EQ(info.st_mode & 07777, c.mode);
        EXPECT_EQ(ReadBytes(path), PlanFileBytes(FileExamplePlan()));
    }
}

TEST_F(SaveSemanticsTest, AccessListAndUserAttributesStay) {
    const std::string path = m_dir.AddFile("plan.Orbe", kOldBytes);
    // The access ACL user::rw-, user:65534:r--, group::r--, mask::r--, other::---.
    const std::string acl = std::string("\x02\0\0\0", 4) +
                            std::string("\x01\0\x06\0\xff\xff\xff\xff", 8) +
                            std::string("\x02\0\x04\0\xfe\xff\0\0", 8) +
                            std::string("\x04\0\x04\0\xff\xff\xff\xff", 8) +
                            std::string("\x10\0\x04\0\xff\xff\xff\xff", 8) +
                            std::string("\x20\0\0\0\xff\xff\xff\xff", 8);
    const int set = ::setxattr(path.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0);
    if (set != 0 && errno == EOPNOTSUPP)
        GTEST_SKIP() << "this file system keeps no access lists";
    ASSERT_EQ(set, 0) << std::strerror(errno);
    ASSERT_EQ(::setxattr(path.c_str(), "user.project", "pension", 7, 0), 0);
    const ino_t inode = StatOf(path).st_ino;

    EXPECT_EQ(Save(path), Saved());

    EXPECT_NE(StatOf(path).st_ino, inode) << "replaced through a temporary file";
    char value[64] = {};
    EXPECT_EQ(::getxattr(path.c_str(), "user.project", value, sizeof value), 7);
    EXPECT_EQ(std::string(value), "pension");
    std::string copied(64, '\0');
    const ssize_t size =
        ::getxattr(path.c_str(), "system.posix_acl_access", copied.data(), copied.size());
    ASSERT_GT(size, 0);
    copied.resize(static_cast<std::size_t>(size));
    EXPECT_EQ(copied, acl);
    EXPECT_EQ(StatOf(path).st_mode & 0777, 0640u);
}

TEST_F(SaveSemanticsTest, WriteInPlaceThatCannotKeepItsBackupIsRefused) {
    // The backup holds the old and the new bytes, so it is the first write that the limit
    // stops. (A write in place that fails after its backup is in FullDiskTest.)
    const std::string path = m_dir.AddFile("plan.Orbe", kOldBytes);
    fs::create_hard_link(path, m_dir.FilePath("link.Orbe"));
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = previous;
    limit.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const std::string outcome = Save(path);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);

    EXPECT_EQ(outcome, Refused(path, "cannot keep the old bytes in " + BackupFolder().string() +
                                         ": File too large"));
    EXPECT_EQ(ReadBytes(path), kOldBytes);
    EXPECT_EQ(StatOf(path).st_nlink, 2u);
    EXPECT_EQ(BackupCount(), 0u);
}

TEST_F(SaveSemanticsTest, SaveThatACrashCutShortIsUndoneAtTheNextOpen) {
    const std::string old = PlanFileBytes(FileExamplePlan());
    const std::string path = m_dir.AddFile("plan.Orbe", old);
    const std::string newBytes = "2052206848\r\n0 0 0\r\n" + old.substr(30);
    ASSERT_FALSE(WriteSaveBackup(path, StatOf(path), old, newBytes));
    // What a crash half-way through the write leaves: new bytes on the front of the old.
    {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        file << "2052206848\r\n0 0 0\r\n";
    }

    ASSERT_TRUE(m_doc.OnOpenDocument(path));

    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(m_doc.m_plan, FileExamplePlan());
    EXPECT_EQ(m_ui.GetJournal(),
              Journal{"message: The last save of this plan was interrupted. The plan has been "
                      "put back as it was before that save. [" +
                      path + "]"});
    EXPECT_EQ(BackupCount(), 0u);
}

TEST_F(SaveSemanticsTest, BackupOfAnotherFileIsKeptWithoutTouchingThisOne) {
    // The inode of a deleted plan, whose save was cut short, now belongs to this file.
    const std::string bytes = PlanFileBytes(FileExamplePlan());
    const std::string path = m_dir.AddFile("plan.Orbe", bytes);
    const std::string other = m_dir.AddFile("other.Orbe", "other");
    ASSERT_FALSE(WriteSaveBackup(other, StatOf(path), "stale", "staler"));

    ASSERT_TRUE(m_doc.OnOpenDocument(path));

    EXPECT_EQ(ReadBytes(path), bytes);
    ASSERT_EQ(BackupCount(), 1u);
    const fs::path kept = fs::directory_iterator(BackupFolder())->path();
    EXPECT_TRUE(kept.filename().string().starts_with("kept-save-")) << kept;
    EXPECT_EQ(m_ui.GetJournal(),
              Journal{"message: A save of this plan was interrupted, but the plan has been "
                      "changed since, so it has been left as it is. The plan as it was before "
                      "that save is kept in the file named below: open that file with Orbelan "
                      "to see it, and save it under a name of your choice to keep it. [" +
                      kept.string() + "]"});
}

TEST_F(SaveSemanticsTest, BackupOfASaveThroughARelativePathIsFoundFromAnyFolder) {
    const std::string old = PlanFileBytes(FileExamplePlan());
    const std::string path = m_dir.AddFile("plan.Orbe", old);
    const fs::path previous = fs::current_path();
    fs::current_path(m_dir.Path());
    const std::error_code written =
        WriteSaveBackup("plan.Orbe", StatOf(path), old, "cut short, and then some");
    fs::current_path("/");
    std::ofstream(path, std::ios::binary | std::ios::in) << "cut short";

    const bool opened = m_doc.OnOpenDocument(path);
    fs::current_path(previous);

    EXPECT_FALSE(written);
    EXPECT_TRUE(opened);
    EXPECT_EQ(ReadBytes(path), old);
}
