// Saves and opens of a plan that another user holds a read lock on: the lock keeps no save
// from its plan, and the saves, their backups and the restores still keep apart.
#include "persist/AtomicFileWriter.h"
#include "persist/InPlaceWriter.h"
#include "persist/PlanFile.h"
#include "tests/persist/KillLoopPlans.h"
#include "tests/persist/SaveFixture.h"
#include "tests/support/UnprivilegedChild.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kInProgress =
    "another save of this file is in progress; try again when it has finished";

// uid 65534 (when the tests run as root) holding a read lock on the file for its lifetime.
class ForeignReadLock {
public:
    explicit ForeignReadLock(const std::string& path) {
        if (::pipe2(m_locked, O_CLOEXEC) != 0 || ::pipe2(m_release, O_CLOEXEC) != 0)
            return;
        m_holder = std::thread([this, path] {
            m_outcome = RunAsUnprivilegedUser([this, path] {
                const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
                struct flock lock {};
                lock.l_type = F_RDLCK;
                const bool held = fd >= 0 && ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
                ::close(m_release[1]);
                if (::write(m_locked[1], held ? "+" : "-", 1) == 1 && held) {
                    char ignored = 0;
                    while (::read(m_release[0], &ignored, 1) > 0) {
                    }
                }
                return std::string(held ? "held" : "not held");
            });
        });
        char answer = 0;
        m_held = ::read(m_locked[0], &answer, 1) == 1 && answer == '+';
    }
    ~ForeignReadLock() {
        ::close(m_release[1]);
        if (m_holder.joinable())
            m_holder.join();
        for (const int fd : {m_locked[0], m_locked[1], m_release[0]})
            ::close(fd);
    }
    bool Held() const { return m_held; }

private:
    int m_locked[2] = {-1, -1};
    int m_release[2] = {-1, -1};
    std::thread m_holder;
    std::string m_outcome;
    bool m_held = false;
};

class SaveUnderReadLockTest : public SaveFixture {
protected:
    SaveUnderReadLockTest() {
        m_plans[0] = PlanFileBytes(KillLoopPlan(0));
        m_plans[1] = PlanFileBytes(KillLoopPlan(1));
        // A second hard link makes every save write in place, keeping a backup.
        m_path = m_dir.AddFile("plan.Orbe", m_plans[0]);
        fs::create_hard_link(m_path, m_dir.FilePath("link.Orbe"));
    }
    ~SaveUnderReadLockTest() override { SetBeforeWriteInPlaceHookForTesting({}); }

    std::size_t Backups() const {
        std::size_t count = 0;
        std::error_code error;
        for (fs::directory_iterator entry(BackupFolder(), error), end; !error && entry != end;
             entry.increment(error))
            count += entry->path().filename().string().starts_with("save-");
        return count;
    }

    // Opens the plan as the window does; the outcome and the messages.
    std::string Open() {
        RecordingUiServices ui;
        CTessalyDoc doc(ui);
        std::string outcome = doc.OnOpenDocument(m_path) ? "opened" : "refused";
        for (const std::string& entry : ui.GetJournal())
            outcome += "; " + entry;
        return outcome;
    }

    std::string m_plans[2];
    std::string m_path;
};

// A child that saves bytes over path once go is written to; its outcome on the pipe.
struct SavingChild {
    pid_t pid;
    int outcome;
};

SavingChild StartSave(const std::string& path, const std::string& bytes, int go) {
    int outcome[2];
    if (::pipe(outcome) != 0)
        return {-1, -1};
    const pid_t pid = ::fork();
    if (pid == 0) {
        char start = 0;
        if (::read(go, &start, 1) != 1)
            ::_exit(2);
        const std::error_code error = WriteFileSafely(path, bytes);
        const std::string text = error ? error.message() : "saved";
        ::_exit(::write(outcome[1], text.data(), text.size()) < 0 ? 3 : 0);
    }
    ::close(outcome[1]);
    return {pid, outcome[0]};
}

std::string Finish(const SavingChild& child) {
    std::string text;
    char buffer[256];
    for (ssize_t got; (got = ::read(child.outcome, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(child.outcome);
    ::waitpid(child.pid, nullptr, 0);
    return text;
}

} // namespace

TEST_F(SaveUnderReadLockTest, TwoSavesAtOnceInPlaceBothSucceedOneAfterTheOther) {
    const ForeignReadLock lock(m_path);
    ASSERT_TRUE(lock.Held());
    for (int round = 0; round < 20; ++round) {
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        const SavingChild first = StartSave(m_path, m_plans[0], go[0]);
        const SavingChild second = StartSave(m_dir.FilePath("link.Orbe"), m_plans[1], go[0]);
        EXPECT_EQ(::write(go[1], "gg", 2), 2);
        ::close(go[0]);
        ::close(go[1]);

        EXPECT_EQ(Finish(first), "saved") << "round " << round;
        EXPECT_EQ(Finish(second), "saved") << "round " << round;
        const std::string bytes = ReadBytes(m_path);
        EXPECT_TRUE(bytes == m_plans[0] || bytes == m_plans[1])
            << "round " << round << ": " << bytes.size() << " bytes";
        EXPECT_EQ(Backups(), 0u) << "round " << round;
    }
}

TEST_F(SaveUnderReadLockTest, OpenDuringASaveInPlaceNeitherPutsBackNorDamages) {
    const ForeignReadLock lock(m_path);
    ASSERT_TRUE(lock.Held());
    std::string opened;
    std::string during;
    std::size_t backupsAfterOpen = 0;
    SetBeforeWriteInPlaceHookForTesting([&] {
        opened = Open();
        during = ReadBytes(m_path);
        backupsAfterOpen = Backups();
    });
    m_doc.m_plan = KillLoopPlan(1);

    EXPECT_EQ(Save(m_path), "saved");

    EXPECT_EQ(opened,
              "refused; message: Error opening file! [" + m_path + ": " + kInProgress + "]");
    EXPECT_EQ(during, m_plans[0]);
    EXPECT_EQ(backupsAfterOpen, 1u);
    EXPECT_EQ(ReadBytes(m_path), m_plans[1]);
    EXPECT_EQ(Backups(), 0u);
}

TEST_F(SaveUnderReadLockTest, SaveKilledAfterAnOpenKeepsItsBackupAndLeavesAWholePlan) {
    const ForeignReadLock lock(m_path);
    ASSERT_TRUE(lock.Held());
    int reached[2];
    ASSERT_EQ(::pipe(reached), 0);
    const pid_t saving = ::fork();
    if (saving == 0) {
        SetBeforeWriteInPlaceHookForTesting([&] {
            if (::write(reached[1], "!", 1) == 1)
                for (;;)
                    ::pause();
        });
        ::_exit(WriteFileAtomically(m_path, m_plans[1]) ? 0 : 1);
    }
    ::close(reached[1]);
    char mark = 0;
    ASSERT_EQ(::read(reached[0], &mark, 1), 1);
    ::close(reached[0]);

    EXPECT_EQ(Open(),
              "refused; message: Error opening file! [" + m_path + ": " + kInProgress + "]");
    EXPECT_EQ(Backups(), 1u) << "the open took the backup of a save still at work";
    ::kill(saving, SIGKILL);
    ::waitpid(saving, nullptr, 0);

    EXPECT_EQ(Open(), "opened");
    EXPECT_EQ(ReadBytes(m_path), m_plans[0]);
    EXPECT_EQ(Backups(), 0u);
}
