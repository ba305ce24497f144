// The window killed at random moments while a plan is edited: each time, the next start offers
// at least every edit 2 seconds old, and the plan file is never touched.
#include "tests/app/AppFixture.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

// ORBELAN_RECOVERY_KILLS gives more for a longer run (scripts/kill-loops.sh).
const int kRounds = [] {
    const char* given = std::getenv("ORBELAN_RECOVERY_KILLS");
    return given != nullptr ? std::atoi(given) : 10;
}();
constexpr auto kKept = 2s;

// A failure names its seed; ORBELAN_KILL_SEED set to it draws the same kill moments again.
std::uint32_t KillSeed() {
    if (const char* given = std::getenv("ORBELAN_KILL_SEED"))
        return static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10));
    return std::random_device()();
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct Edit {
    std::int32_t number;
    Clock::time_point made;
};

// Runs the edit loop on the plan and kills it at the moment drawn after its first edit;
// every edit it made, and the moment of the kill.
std::vector<Edit> EditUntilKilled(const std::string& plan, const std::string& settings,
                                  Clock::duration afterFirstEdit, Clock::time_point& killed) {
    int output[2];
    if (::pipe(output) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::execl(ORBELAN_RECOVERY_EDIT_LOOP, ORBELAN_RECOVERY_EDIT_LOOP, plan.c_str(),
                settings.c_str(), nullptr);
        ::_exit(127);
    }
    ::close(output[1]);
    std::string text;
    std::optional<Clock::time_point> moment;
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (moment && now >= *moment)
            break;
        const int wait =
            moment ? static_cast<int>(
                         std::chrono::ceil<std::chrono::milliseconds>(*moment - now).count())
                   : 30000;
        pollfd ready{output[0], POLLIN, 0};
        if (::poll(&ready, 1, wait) <= 0) {
            if (!moment)
                break;
            continue;
        }
        char buffer[4096];
        const ssize_t got = ::read(output[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(got));
        if (!moment && text.find('\n') != std::string::npos)
            moment = Clock::now() + afterFirstEdit;
    }
    ::kill(child, SIGKILL);
    killed = Clock::now();
    int status = 0;
    ::waitpid(child, &status, 0);
    char buffer[4096];
    for (ssize_t got; (got = ::read(output[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(output[0]);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the edit loop ended by itself, status " << status;
    std::vector<Edit> edits;
    std::istringstream lines(text);
    for (std::int64_t number = 0, nanoseconds = 0; lines >> number >> nanoseconds;)
        edits.push_back({static_cast<std::int32_t>(number),
                         Clock::time_point(std::chrono::nanoseconds(nanoseconds))});
    return edits;
}

} // namespace

using RecoveryKillTest = AppFixture;

TEST_F(RecoveryKillTest, KilledWindowLosesNoEditTwoSecondsOldAndNeverTouchesThePlan) {
    const std::uint32_t seed = KillSeed();
    RecordProperty("seed", std::to_string(seed));
    std::cout << "recovery kill loop seed " << seed << '\n';
    std::minstd_rand random(seed);
    const std::string plan = CopyExample("plan.Orbe");
    const std::string bytes = ReadFile(plan);
    struct stat before {};
    ASSERT_EQ(::stat(plan.c_str(), &before), 0);
    int offeredNewer = 0;
    for (int round = 0; round < kRounds; ++round) {
        // Beyond the age every kept edit must reach, by up to 1.5 s.
        const auto afterFirstEdit = kKept + std::chrono::milliseconds(random() % 1500);
        Clock::time_point killed;
        const std::vector<Edit> edits =
            EditUntilKilled(plan, folder.FilePath("child.ini"), afterFirstEdit, killed);
        ASSERT_FALSE(edits.empty()) << "round " << round << ": the edit loop made no edit";
        std::int32_t oldest = 0;
        for (const Edit& edit : edits)
            if (killed - edit.made >= kKept)
                oldest = edit.number;
        ASSERT_GT(oldest, 0) << "round " << round;

        const std::size_t asked = ui.GetJournal().size();
        ui.QueueYesNoAnswer(true);
        ASSERT_TRUE(Start({plan})) << "round " << round;

        ASSERT_EQ(ui.GetJournal().size(), asked + 1) << "round " << round;
        EXPECT_TRUE(ui.GetJournal().back().starts_with(
            "ask yes/no, Yes by default: Recover the unsaved changes to plan.Orbe from "))
            << ui.GetJournal().back();
        const std::int32_t recovered = Document().m_plan.expenses[0].annualAmount;
        EXPECT_GE(recovered, oldest) << "round " << round;
        EXPECT_LE(recovered, edits.back().number) << "round " << round;
        offeredNewer += recovered > oldest;
        EXPECT_TRUE(Document().IsModified());
        EXPECT_EQ(ReadFile(plan), bytes) << "round " << round;
        struct stat after {};
        ASSERT_EQ(::stat(plan.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
        EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
        // Let go, so that the next round's window starts from the file.
        ui.QueueSaveChangesAnswer(SaveChangesAnswer::No);
        Frame().close();
        app.reset();
    }
    std::cout << "recovery kill loop: " << kRounds << " kills, every edit " << kKept.count()
              << " s old recovered each time (" << offeredNewer << " times a newer one too)\n";
}
