// Long calculations on a terminal: their progress, their length foretold, and Ctrl+C.
#include "cli/LongRun.h"
#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"
#include "tests/platform/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <csignal>
#include <poll.h>
#include <pty.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// A clock that the test moves.
struct TestClock {
    std::chrono::steady_clock::time_point now{};
    LongRun::Clock Get() {
        return [this] { return now; };
    }
};

} // namespace

TEST(LongRunTest, DurationsAreRoundedToWhatAPersonWaitsFor) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "about 0 s"},          {59, "about 59 s"},         {60, "about 1 min"},
        {89, "about 1 min"},       {90, "about 2 min"},        {3569, "about 59 min"},
        {3570, "about 1 h 0 min"}, {9000, "about 2 h 30 min"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(DurationText(std::chrono::seconds(seconds)), text) << seconds;
}

TEST(LongRunTest, TerminalShowsProgressAFewTimesASecondAndForetellsALongRun) {
    TestClock clock;
    std::ostringstream err;
    {
        LongRun run("paths", 100000, err, true, clock.Get());
        run.Report(10);
        clock.now += 100ms;
        run.Report(20);
        // 100 paths in a second: 99,900 more take 999 s.
        clock.now += 900ms;
        run.Report(100);
    }
    EXPECT_EQ(err.str(), "\r10 of 100000 paths"
                         "\r" +
                             std::string(18, ' ') +
                             "\rThis will take about 17 min; Ctrl+C stops it.\n"
                             "\r100 of 100000 paths, about 17 min left"
                             "\r" +
                             std::string(38, ' ') + "\r");
}

TEST(LongRunTest, ShortRunIsNotForetoldAndNothingGoesElsewhereThanATerminal) {
    TestClock clock;
    std::ostringstream terminal;
    std::ostringstream pipe;
    {
        LongRun shown("spendings", 1001, terminal, true, clock.Get());
        LongRun hidden("spendings", 1001, pipe, false, clock.Get());
        clock.now += 1s;
        // 91 in a second: 910 more take 10 s.
        shown.Report(91);
        hidden.Report(91);
    }
    EXPECT_EQ(terminal.str(),
              "\r91 of 1001 spendings, about 10 s left\r" + std::string(37, ' ') + "\r");
    EXPECT_EQ(pipe.str(), "");
}

TEST(LongRunTest, CtrlCAsksTheRunToStop) {
    std::ostringstream err;
    LongRun run("paths", 10, err, false);
    ASSERT_FALSE(run.Token().stop_requested());

    ASSERT_EQ(std::raise(SIGINT), 0);

    EXPECT_TRUE(run.Token().stop_requested());
}

TEST(LongRunTest, RiskOnATerminalSaysHowLongItTakesAndStopsAtCtrlC) {
    TemporaryDirectory dir;
    Plan plan;
    ASSERT_EQ(
        OpenPlanFile(std::string(ORBELAN_EXAMPLES_DIR) + "/retirement-example.Orbe", plan).status,
        PlanOpenStatus::Opened);
    plan.incomes.resize(1000, plan.incomes.back());
    const std::string path = dir.AddFile("large.Orbe", PlanFileBytes(plan));
    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::execl(ORBELAN_CLI, "orbelan-cli", "risk", path.c_str(), "--paths", "100000", nullptr);
        ::_exit(127);
    }
    std::string seen;
    bool interrupted = false;
    char buffer[256];
    // Read until the terminal closes; Ctrl+C once the length has been foretold. A run that
    // stays silent for half a minute is ended: it would go on for most of an hour.
    pollfd ready{terminal, POLLIN, 0};
    for (ssize_t got = 1; got > 0;) {
        if (::poll(&ready, 1, 30000) != 1) {
            ::kill(child, SIGKILL);
            break;
        }
        got = ::read(terminal, buffer, sizeof buffer);
        if (got > 0)
            seen.append(buffer, static_cast<std::size_t>(got));
        if (!interrupted && seen.find("Ctrl+C stops it.") != std::string::npos)
            interrupted = ::kill(child, SIGINT) == 0;
    }
    ::close(terminal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);

    EXPECT_TRUE(interrupted) << seen;
    ASSERT_TRUE(WIFEXITED(status)) << seen;
    EXPECT_EQ(WEXITSTATUS(status), 130) << seen;
    EXPECT_NE(seen.find("This will take about "), std::string::npos) << seen;
    EXPECT_NE(seen.find(" of 100000 paths"), std::string::npos) << seen;
    EXPECT_NE(seen.find("orbelan-cli: stopped by Ctrl+C"), std::string::npos) << seen;
}
