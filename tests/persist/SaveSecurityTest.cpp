// Saves that another user cannot redirect, and that do not trip over each other.
#include "persist/AtomicFileWriter.h"
#include "persist/FileIo.h"
#include "persist/PlanFile.h"
#include "persist/TemporaryFile.h"
#include "tests/persist/KillLoopPlans.h"
#include "tests/persist/SaveFixture.h"
#include "tests/support/ExamplePlans.h"
#include "tests/support/UnprivilegedChild.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kOldBytes = "the previous plan";

// The default ACL user::rw-, user:65534:rwx, group::---, mask::rwx, other::---, as the kernel
// keeps it.
const std::string kDefaultAccessList =
    std::string("\x02\0\0\0", 4) + std::string("\x01\0\x06\0\xff\xff\xff\xff", 8) +
    std::string("\x02\0\x07\0\xfe\xff\0\0", 8) + std::string("\x04\0\0\0\xff\xff\xff\xff", 8) +
    std::string("\x10\0\x07\0\xff\xff\xff\xff", 8) + std::string("\x20\0\0\0\xff\xff\xff\xff", 8);

class SaveSecurityTest : public SaveFixture {
protected:
    ~SaveSecurityTest() override { SetBeforeOpenHookForTesting({}); }

    std::string Refused(const std::string& path, const std::string& reason) const {
        return "refused; message: Error saving file! [" + path + ": " + reason + "]";
    }
};

} // namespace

TEST_F(SaveSecurityTest, LinkPlantedInASharedStickyFolderIsNotFollowed) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "a link of another user can only be set up as root";
    const fs::path shared = m_dir.Path() / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string victim = m_dir.AddFile("roots.Orbe", kOldBytes);
    ASSERT_EQ(::chmod(victim.c_str(), 0600), 0);
    for (const std::string& target : {victim, m_dir.FilePath("created.Orbe")}) {
        const fs::path link = shared / "plan.Orbe";
        fs::remove(link);
        fs::create_symlink(target, link);
        ASSERT_EQ(::lchown(link.c_str(), kUnprivilegedId, kUnprivilegedId), 0);

        EXPECT_EQ(Save(link), Refused(link, "Permission denied"));
    }
    EXPECT_EQ(ReadBytes(victim), kOldBytes);
    EXPECT_FALSE(fs::exists(m_dir.FilePath("created.Orbe")));
}

TEST_F(SaveSecurityTest, FileSwappedForALinkAfterItsCheckIsNotWrittenThrough) {
    const std::string path = m_dir.AddFile("plan.Orbe", kOldBytes);
    const std::string victim = m_dir.AddFile("victim.Orbe", kOldBytes);
    bool swapped = false;
    SetBeforeOpenHookForTesting([&] {
        if (swapped)
            return;
        swapped = true;
        fs::remove(path);
        fs::create_symlink(victim, path);
    });

    EXPECT_EQ(Save(path), Refused(path, "Too many levels of symbolic links"));

    EXPECT_EQ(ReadBytes(victim), kOldBytes);
}

TEST_F(SaveSecurityTest, SaveOfAFileThatAnotherSaveHoldsFailsCleanly) {
    const std::string path = m_dir.AddFile("plan.Orbe", kOldBytes);
    const FileDescriptor other(::open(path.c_str(), O_RDWR));
    struct flock lock {};
    lock.l_type = F_WRLCK;
    ASSERT_EQ(::fcntl(other.Get(), F_OFD_SETLK, &lock), 0);
    const auto start = std::chrono::steady_clock::now();

    EXPECT_EQ(Save(path),
              Refused(path, "another save of this file is in progress; try again when it has "
                            "finished"));
    // The 2 s that a save may take, waited once: a busy machine adds to one wait, but never
    // as much as a second wait would.
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::seconds(2)) << "the save gave up before its time";
    EXPECT_LT(waited, std::chrono::seconds(4)) << "the save waited twice";
    EXPECT_EQ(ReadBytes(path), kOldBytes);
}

TEST_F(SaveSecurityTest, ReadLockOfAUserWhoMayOnlyReadDoesNotStopSaves) {
    const std::string path = m_dir.FilePath("plan.Orbe");
    ASSERT_EQ(Save(path), "saved");
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    // Linked twice, so that the first save is written in place under the reader's lock.
    fs::create_hard_link(path, m_dir.FilePath("link.Orbe"));
    int locked[2];
    int release[2];
    ASSERT_EQ(::pipe(locked), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t reader = ::fork();
    if (reader == 0) {
        // The other user, who may read the plan and nothing more, holds a read lock on it.
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedId) != 0 ||
                                 ::setuid(kUnprivilegedId) != 0))
            ::_exit(1);
        ::close(release[1]);
        const int fd = ::open(path.c_str(), O_RDONLY);
        struct flock lock {};
        lock.l_type = F_RDLCK;
        char done = 0;
        if (fd < 0 || ::fcntl(fd, F_OFD_SETLK, &lock) != 0 || ::write(locked[1], "l", 1) != 1)
            ::_exit(1);
        ::_exit(::read(release[0], &done, 1) == 0 ? 0 : 1);
    }
    ::close(locked[1]);
    ::close(release[0]);
    char ready = 0;
    ASSERT_EQ(::read(locked[0], &ready, 1), 1);

    m_doc.m_plan = ProjectionExamplePlan();
    const std::string inPlace = Save(path);
    fs::remove(m_dir.FilePath("link.Orbe"));
    m_doc.m_plan = FileExamplePlan();
    const std::string throughTemporary = Save(path);
    ::close(release[1]);
    int status = 0;
    ::waitpid(reader, &status, 0);

    EXPECT_EQ(throughTemporary, "saved");
    EXPECT_EQ(inPlace, "saved");
    EXPECT_EQ(ReadBytes(path), PlanFileBytes(FileExamplePlan()));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(SaveSecurityTest, ConcurrentSavesInPlaceNeverMix) {
    const std::string path = m_dir.FilePath("plan.Orbe");
    ASSERT_EQ(Save(path), "saved");
    fs::create_hard_link(path, m_dir.FilePath("link.Orbe"));
    const std::string plans[] = {PlanFileBytes(KillLoopPlan(0)), PlanFileBytes(KillLoopPlan(1))};
    for (int round = 0; round < 20; ++round) {
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        pid_t children[2];
        for (int which = 0; which < 2; ++which) {
            children[which] = ::fork();
            if (children[which] == 0) {
                char go = 0;
                ::close(start[1]);
                m_doc.m_plan = KillLoopPlan(which);
                ::_exit(::read(start[0], &go, 1) == 0 && m_doc.OnSaveDocument(path) ? 0 : 1);
            }
        }
        ::close(start[0]);
        // Closing the pipe wakes both at once.
        ::close(start[1]);
        int saved = 0;
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            saved += WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        const std::string bytes = ReadBytes(path);
        EXPECT_TRUE(bytes == plans[0] || bytes == plans[1]) << "round " << round;
        EXPECT_GE(saved, 1) << "round " << round;
    }
    EXPECT_EQ(BackupCount(), 0u);
}

TEST_F(SaveSecurityTest, FolderDefaultAccessListDoesNotChangeWhoMayReadTheFile) {
    const std::string path = m_dir.AddFile("plan.Orbe", kOldBytes);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const int set = ::setxattr(m_dir.Path().c_str(), "system.posix_acl_default",
                               kDefaultAccessList.data(), kDefaultAccessList.size(), 0);
    if (set != 0 && errno == EOPNOTSUPP)
        GTEST_SKIP() << "this file system keeps no access lists";
    ASSERT_EQ(set, 0) << std::strerror(errno);

    EXPECT_EQ(Save(path), "saved");

    EXPECT_LT(::getxattr(path.c_str(), "system.posix_acl_access", nullptr, 0), 0);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0640u);
}

TEST_F(SaveSecurityTest, LongestFileNameSaves) {
    const std::string name = std::string(245, 'n') + ".Orbe";
    const std::string path = m_dir.FilePath(name);
    EXPECT_EQ(Save(path), "saved");
    EXPECT_EQ(Save(path), "saved") << "replaced through a temporary file";
    EXPECT_EQ(ReadBytes(path), PlanFileBytes(FileExamplePlan()));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.Path()), fs::directory_iterator()), 2)
        << "the plan and the state folder only";
}

TEST_F(SaveSecurityTest, TemporaryFilesThatKilledSavesLeftAreRemoved) {
    const std::string path = m_dir.AddFile("plan.Orbe", kOldBytes);
    const std::string stale = m_dir.AddFile(".plan.Orbe.a1B2c3.tmp", "killed");
    const struct timespec hourAgo[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 3600, 0}};
    const std::vector<std::string> kept = {
        m_dir.AddFile(".plan.Orbe.d4E5f6.tmp", "a save running now"),
        m_dir.AddFile(".plan.Orbe.d4E5f6.tmp.bak", "not ours"),
        m_dir.AddFile(".plan.Orbe.d4E5.tmp", "not ours"),
        m_dir.AddFile(".other.Orbe.a1B2c3.tmp", "another file's"),
    };
    for (const std::string& file : std::vector<std::string>{stale, kept[1], kept[2], kept[3]})
        ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), hourAgo, 0), 0);

    EXPECT_EQ(Save(path), "saved");

    EXPECT_FALSE(fs::exists(stale));
    for (const std::string& file : kept)
        EXPECT_TRUE(fs::exists(file)) << file;
}

TEST_F(SaveSecurityTest, BackupTemporariesThatKilledSavesLeftAreRemoved) {
    const std::string path = m_dir.AddFile("plan.Orbe", kOldBytes);
    fs::create_hard_link(path, m_dir.FilePath("link.Orbe"));
    const struct stat info = StatOf(path);
    const std::string name =
        "save-" + std::to_string(info.st_dev) + "-" + std::to_string(info.st_ino);
    ASSERT_EQ(Save(path), "saved") << "makes the state folder";
    const fs::path stale = BackupFolder() / (name + ".0123abcd.tmp");
    const fs::path others = BackupFolder() / (name + "1.0123abcd.tmp");
    for (const fs::path& file : {stale, others})
        std::ofstream(file) << "killed";

    EXPECT_EQ(Save(path), "saved");

    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(others));
}

TEST_F(SaveSecurityTest, LinkPlantedAsAFolderOfThePathIsFollowedOnlyWhereTheKernelRuleAllows) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "a link of another user can only be set up as root";
    const fs::path shared = m_dir.Path() / "shared";
    const fs::path hidden = m_dir.Path() / "private";
    fs::create_directories(hidden);
    ASSERT_EQ(::chmod(hidden.c_str(), 0700), 0);
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string victim = (hidden / "roots.Orbe").string();
    std::ofstream(victim) << kOldBytes;
    const fs::path link = shared / "exports";
    fs::create_directory_symlink(hidden, link);
    struct Case {
        uid_t linkOwner;
        const char* name;
        bool saved;
    };
    // The last: a link of this user's own is followed.
    for (const Case& c :
         {Case{kUnprivilegedId, "roots.Orbe", false}, Case{kUnprivilegedId, "created.Orbe", false},
          Case{0, "created.Orbe", true}}) {
        ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
        const std::string path = (link / c.name).string();

        EXPECT_EQ(Save(path), c.saved ? "saved" : Refused(path, "Permission denied"));
        EXPECT_EQ(fs::exists(hidden / "created.Orbe"), c.saved);
    }
    EXPECT_EQ(ReadBytes(victim), kOldBytes);
}

TEST_F(SaveSecurityTest, FileSquattedInASharedStickyFolderIsNeverWritten) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "a file of another user can only be set up as root";
    const fs::path shared = m_dir.Path() / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string path = (shared / "plan.Orbe").string();
    struct Case {
        uid_t folderOwner;
        std::string expected;
    };
    // Another user's file, and then the folder owner's own.
    for (const Case& c :
         {Case{0, Refused(path, "Permission denied")}, Case{kUnprivilegedId, "saved"}}) {
        ASSERT_EQ(::chown(shared.c_str(), c.folderOwner, c.folderOwner), 0);
        ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
        fs::remove(path);
        std::ofstream(path) << "";
        ASSERT_EQ(::chown(path.c_str(), kUnprivilegedId, kUnprivilegedId), 0);
        ASSERT_EQ(::chmod(path.c_str(), 0666), 0);

        EXPECT_EQ(Save(path), c.expected) << c.folderOwner;
    }
}

TEST_F(SaveSecurityTest, NewFileGetsWhatTheFolderDefaultAccessListGivesEveryNewFile) {
    const int set = ::setxattr(m_dir.Path().c_str(), "system.posix_acl_default",
                               kDefaultAccessList.data(), kDefaultAccessList.size(), 0);
    if (set != 0 && errno == EOPNOTSUPP)
        GTEST_SKIP() << "this file system keeps no access lists";
    ASSERT_EQ(set, 0) << std::strerror(errno);
    const std::string other = m_dir.FilePath("other.Orbe");
    ASSERT_TRUE(FileDescriptor(::open(other.c_str(), O_CREAT | O_WRONLY, 0666)).IsOpen());
    const auto accessList = [](const std::string& file) {
        std::string value(256, '\0');
        const ssize_t size =
            ::getxattr(file.c_str(), "system.posix_acl_access", value.data(), value.size());
        value.resize(size < 0 ? 0 : static_cast<std::size_t>(size));
        return value;
    };
    const std::string path = m_dir.FilePath("plan.Orbe");

    EXPECT_EQ(Save(path), "saved");

    // The mask, rw- as 0666 allows, shows as the group bits.
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0660u);
    EXPECT_EQ(StatOf(path).st_mode & 07777, StatOf(other).st_mode & 07777);
    EXPECT_EQ(accessList(path), accessList(other));
}

TEST_F(SaveSecurityTest, LinkPutInThePathAfterItsWalkIsRefusedNotFollowed) {
    // As a save meets a folder of the path that someone replaced by a link once the path had
    // been walked.
    const fs::path elsewhere = m_dir.Path() / "elsewhere";
    fs::create_directory(elsewhere);
    fs::create_directory_symlink(elsewhere, m_dir.Path() / "swapped");
    const fs::path target = m_dir.Path() / "swapped" / "plan.Orbe";

    const TemporaryFile temporary(target, 0600);

    EXPECT_EQ(temporary.CreationError(), std::errc::too_many_symbolic_link_levels);
    EXPECT_TRUE(fs::is_empty(elsewhere));
}
