// Where saves in place keep their backups: a folder this user makes for themselves alone.
#include "persist/StateFolder.h"
#include "tests/platform/support/TemporaryDirectory.h"
#include "tests/support/UnprivilegedChild.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// HOME and XDG_STATE_HOME of the test's choosing, put back afterwards.
class StateFolderTest : public testing::Test {
protected:
    StateFolderTest() : m_home(Saved("HOME")), m_stateHome(Saved("XDG_STATE_HOME")) {}
    ~StateFolderTest() override {
        Restore("HOME", m_home);
        Restore("XDG_STATE_HOME", m_stateHome);
    }

    static void Use(const char* name, const std::optional<fs::path>& value) {
        Restore(name, value ? std::optional<std::string>(value->string()) : std::nullopt);
    }

    TemporaryDirectory m_dir;

private:
    static std::optional<std::string> Saved(const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Restore(const char* name, const std::optional<std::string>& value) {
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }

    std::optional<std::string> m_home;
    std::optional<std::string> m_stateHome;
};

} // namespace

TEST_F(StateFolderTest, IsMadeWithItsParentsInTheUsersOwnHome) {
    const fs::path home = m_dir.Path() / "home";
    fs::create_directory(home);
    Use("HOME", home);
    Use("XDG_STATE_HOME", std::nullopt);

    EXPECT_TRUE(OpenStateFolderForWriting().fd.IsOpen());

    struct stat info {};
    ASSERT_EQ(::stat((home / ".local/state/orbelan").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);
}

TEST_F(StateFolderTest, NothingIsMadeInTheHomeOfAnotherUser) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "another user's home can only be set up as root";
    // As under sudo -E: root with the user's HOME.
    const fs::path home = m_dir.Path() / "home";
    fs::create_directory(home);
    ASSERT_EQ(::chown(home.c_str(), kUnprivilegedId, kUnprivilegedId), 0);
    Use("HOME", home);
    Use("XDG_STATE_HOME", std::nullopt);

    const StateFolder folder = OpenStateFolderForWriting();

    EXPECT_FALSE(folder.fd.IsOpen());
    EXPECT_EQ(folder.problem, (home / ".local/state/orbelan").string() + ": Permission denied");
    EXPECT_FALSE(fs::exists(home / ".local"));
}

TEST_F(StateFolderTest, LinkPlantedInASharedStickyFolderIsNotFollowedToMakeIt) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "a link of another user can only be set up as root";
    const fs::path shared = m_dir.Path() / "shared";
    const fs::path elsewhere = m_dir.Path() / "elsewhere";
    fs::create_directory(shared);
    fs::create_directory(elsewhere);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    fs::create_directory_symlink(elsewhere, shared / "state");
    ASSERT_EQ(::lchown((shared / "state").c_str(), kUnprivilegedId, kUnprivilegedId), 0);
    Use("XDG_STATE_HOME", shared / "state" / "deeper");

    EXPECT_FALSE(OpenStateFolderForWriting().fd.IsOpen());

    EXPECT_TRUE(fs::is_empty(elsewhere));
}

TEST_F(StateFolderTest, ExistingFolderOpenToOthersIsRefusedAndLeftAsItIs) {
    const fs::path state = m_dir.Path() / "state";
    fs::create_directories(state / "orbelan");
    ASSERT_EQ(::chmod((state / "orbelan").c_str(), 0755), 0);
    Use("XDG_STATE_HOME", state);

    const StateFolder folder = OpenStateFolderForWriting();

    EXPECT_EQ(folder.problem, (state / "orbelan").string() + " has mode 0755, not 0700");
    struct stat info {};
    ASSERT_EQ(::stat((state / "orbelan").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0755u);
}

TEST_F(StateFolderTest, NoneIsMadeWithoutAnAbsoluteHomeThatExists) {
    const fs::path previous = fs::current_path();
    fs::current_path(m_dir.Path());
    Use("XDG_STATE_HOME", "relative/state");
    struct Case {
        const char* home;
        std::string folder;
    };
    const fs::path missing = m_dir.Path() / "nonexistent";
    for (const Case& c : {Case{"", ""}, Case{"relative/home", ""}, Case{"/", ""},
                          Case{missing.c_str(), (missing / ".local/state/orbelan").string()}}) {
        Use("HOME", fs::path(c.home));

        const StateFolder folder = OpenStateFolderForWriting();

        EXPECT_FALSE(folder.fd.IsOpen()) << c.home;
        EXPECT_EQ(SaveBackupFolder().string(), c.folder) << c.home;
        EXPECT_TRUE(folder.Missing()) << c.home << ": " << folder.problem;
    }
    fs::current_path(previous);
    EXPECT_TRUE(fs::is_empty(m_dir.Path())) << "nothing is made under the current folder";
}
