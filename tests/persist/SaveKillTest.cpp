#include "persist/PlanFile.h"
#include "persist/SaveBackup.h"
#include "tests/persist/KillLoopPlans.h"
#include "tests/persist/SaveFixture.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <random>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// Kills of the usual save; the write in place, rarer and slower, gets fewer.
constexpr int kKills = 1000;
constexpr int kKillsInPlace = 300;
// ORBELAN_PUT_BACK_KILLS gives more for a longer run (scripts/kill-loops.sh).
const int kKillsOfPutBacks = [] {
    const char* given = std::getenv("ORBELAN_PUT_BACK_KILLS");
    return given != nullptr ? std::atoi(given) : 30;
}();

// A failure names its seed; ORBELAN_KILL_SEED set to it draws the same kill moments again.
std::uint32_t KillSeed() {
    if (const char* given = std::getenv("ORBELAN_KILL_SEED"))
        return static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10));
    return std::random_device()();
}

// Waits on the child until the moment: a loop that ended by itself is seen at once, and the
// wait takes no processor from the loop it is about to kill.
void WaitOnChildUntil(int childFd, Clock::time_point moment) {
    for (Clock::time_point now = Clock::now(); now < moment; now = Clock::now()) {
        const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(moment - now);
        const timespec timeout{static_cast<std::time_t>(left.count() / 1000000000),
                               static_cast<long>(left.count() % 1000000000)};
        pollfd child{childFd, POLLIN, 0};
        const int ready = ::ppoll(&child, 1, &timeout, nullptr);
        if (ready > 0 || (ready < 0 && errno != EINTR))
            return;
    }
}

// Kills a save loop at random moments and checks the file after each kill.
class SaveKillTest : public SaveFixture {
protected:
    void SetUp() override {
        SaveFixture::SetUp();
        RecordProperty("seed", std::to_string(m_seed));
        std::cout << "kill loop seed " << m_seed << '\n';
        // Wake-ups as close to the drawn moment as the system can, not 50 microseconds late.
        ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    }

    // The time one save takes here, measured on this machine.
    Clock::duration SaveTime(const std::string& path) {
        m_doc.m_plan = KillLoopPlan(0);
        const Clock::time_point start = Clock::now();
        for (int save = 0; save < 20; ++save)
            EXPECT_EQ(Save(path), "saved");
        return (Clock::now() - start) / 20;
    }

    // Starts the loop on path and kills it once its first save has begun plus a random
    // moment within spread. True when the kill landed inside a save.
    bool StartAndKill(const std::string& path, Clock::duration spread, const char* mode = nullptr) {
        int output[2];
        if (::pipe(output) != 0)
            return false;
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(output[1], STDOUT_FILENO);
            ::execl(ORBELAN_SAVE_LOOP, ORBELAN_SAVE_LOOP, path.c_str(), mode, nullptr);
            ::_exit(127);
        }
        ::close(output[1]);
        // glibc's own pidfd_open is declared without C linkage in this release.
        const int childFd = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
        char last = 0;
        // The first '[': the loop is running.
        if (::read(output[0], &last, 1) == 1)
            WaitOnChildUntil(childFd,
                             Clock::now() + Clock::duration(m_random() % (spread.count() + 1)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        char buffer[4096];
        for (ssize_t got; (got = ::read(output[0], buffer, sizeof buffer)) > 0;)
            last = buffer[got - 1];
        ::close(output[0]);
        ::close(childFd);
        EXPECT_TRUE(WIFSIGNALED(status)) << "the loop ended by itself";
        return last == '[';
    }

    // Kills the loop that many times; after each kill (and the undoing of a write in place that
    // it cut short, as the next open does) the file must hold one of the two plans.
    void KillRepeatedly(const std::string& path, int kills, const char* mode) {
        const std::string plans[] = {PlanFileBytes(KillLoopPlan(0)),
                                     PlanFileBytes(KillLoopPlan(1))};
        // Two saves long: every moment of a save, its start and end included, is as likely.
        const Clock::duration spread = 2 * SaveTime(path);
        int inside = 0;
        int undone = 0;
        int wrong = 0;
        for (int kill = 0; kill < kills && wrong < 5; ++kill) {
            inside += StartAndKill(path, spread);
            const RestoreResult restore = RestoreInterruptedSave(path);
            EXPECT_TRUE(restore.status == RestoreStatus::NoBackup ||
                        restore.status == RestoreStatus::Restored);
            undone += restore.status == RestoreStatus::Restored;
            const std::string bytes = ReadBytes(path);
            if (bytes != plans[0] && bytes != plans[1]) {
                ++wrong;
                ADD_FAILURE() << "kill " << kill << " left " << bytes.size() << " bytes";
            }
        }
        for (const auto& entry : fs::directory_iterator(m_dir.Path())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name.starts_with('.') || name.ends_with(".Orbe")) << name;
            EXPECT_TRUE(!name.starts_with('.') || !name.ends_with(".Orbe")) << name;
        }
        std::cout << "kill loop (" << mode << "): " << kills << " kills, " << inside
                  << " inside a save, " << undone
                  << " undone from their backup; the file was one of the two plans after "
                     "every one\n";
        EXPECT_GT(inside, kills / 2) << "the kills must land inside saves";
    }

    const std::uint32_t m_seed = KillSeed();
    std::minstd_rand m_random{m_seed};
};

} // namespace

TEST_F(SaveKillTest, KilledSavesThroughATemporaryFileLeaveOneOfTheTwoPlans) {
    KillRepeatedly(m_dir.FilePath("plan.Orbe"), kKills, "temporary file and rename");
}

TEST_F(SaveKillTest, KilledSavesInPlaceLeaveOneOfTheTwoPlansOnceUndone) {
    const std::string path = m_dir.FilePath("plan.Orbe");
    ASSERT_EQ(Save(path), "saved");
    fs::create_hard_link(path, m_dir.FilePath("link.Orbe"));
    KillRepeatedly(path, kKillsInPlace, "in place, hard link");
}

TEST_F(SaveKillTest, KilledPutBacksEndWithTheOldPlanWholeAtTheNextOpen) {
    const std::string path = m_dir.FilePath("plan.Orbe");
    // Some 3 MB each, so that writing the old bytes back takes long enough to be cut.
    Plan before = KillLoopPlan(0);
    before.incomes.resize(20000, before.incomes.front());
    Plan after = KillLoopPlan(1);
    after.incomes.resize(20000, after.incomes.front());
    const std::string old = PlanFileBytes(before);
    const std::string written = PlanFileBytes(after);
    // A save in place of the second plan over the first, cut after a random share of it.
    const auto tear = [&] {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << old;
        EXPECT_FALSE(WriteSaveBackup(path, StatOf(path), old, written));
        const std::size_t cut = 1 + m_random() % written.size();
        std::ofstream(path, std::ios::binary | std::ios::in) << written.substr(0, cut);
        return written.substr(0, cut) + (cut < old.size() ? old.substr(cut) : std::string());
    };
    tear();
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(RestoreInterruptedSave(path).status, RestoreStatus::Restored);
    // Two put-backs long, as for the saves.
    const Clock::duration spread = 2 * (Clock::now() - start);
    int inside = 0;
    int cut = 0;
    int again = 0;
    int wrong = 0;
    for (int kill = 0; kill < kKillsOfPutBacks && wrong < 5; ++kill) {
        const std::string torn = tear();
        inside += StartAndKill(path, spread, "restore");
        const std::string left = ReadBytes(path);
        cut += left != torn && left != old;
        const RestoreStatus status = RestoreInterruptedSave(path).status;
        EXPECT_TRUE(status == RestoreStatus::NoBackup || status == RestoreStatus::Restored)
            << "kill " << kill;
        again += status == RestoreStatus::Restored;
        if (ReadBytes(path) != old) {
            ++wrong;
            ADD_FAILURE() << "kill " << kill << " left " << ReadBytes(path).size() << " bytes";
        }
    }
    std::cout << "put-back kill loop: " << kKillsOfPutBacks << " kills, " << inside
              << " after the put-back began, " << cut << " cut inside its write, " << again
              << " put back again at the next open; the old plan was whole after every one\n";
    EXPECT_GT(inside, 0) << "the kills must land inside put-backs";
}
