#pragma once

#include "model/StopToken.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>

// A calculation that may run for minutes or hours: Ctrl+C asks it to stop, and on a terminal
// it shows how far it has come on one line of standard error that it keeps rewriting, after
// saying first how long it will take when that is long. Elsewhere (a pipe, a file) it prints
// nothing, so that the output of scripts stays as it was. One run at a time.
class LongRun {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // unit: what is counted, in the plural ("paths"); total: how many there are at most.
    LongRun(std::string unit, std::int64_t total, std::ostream& err, bool terminal,
            Clock clock = std::chrono::steady_clock::now);
    LongRun(const LongRun&) = delete;
    LongRun& operator=(const LongRun&) = delete;
    // Takes the progress line off the terminal and gives Ctrl+C back its usual meaning.
    ~LongRun();

    // What the calculation watches: asked to stop once Ctrl+C has been pressed.
    StopToken Token() const { return m_stop.get_token(); }
    // Called by the calculation, from any of its threads, with how many are done so far.
    void Report(std::int64_t done);

    // Whether standard error is a terminal.
    static bool ErrorIsTerminal();

private:
    void Print(std::int64_t done, std::chrono::steady_clock::duration elapsed);

    std::string m_unit;
    std::int64_t m_total;
    std::ostream& m_err;
    bool m_terminal;
    Clock m_clock;
    StopSource m_stop;
    std::chrono::steady_clock::time_point m_start;
    std::atomic<std::int64_t> m_nextPrint{0};
    std::mutex m_printing;
    bool m_estimated = false;
    std::size_t m_lineLength = 0;
};

// How long something still takes, as the progress line says it: "about 40 s", "about 3 min",
// "about 2 h 5 min".
std::string DurationText(std::chrono::seconds duration);

// Runs calculate(StopToken, progress) as a LongRun counting total units and gives back its
// result once the progress line is off the terminal.
template <typename Calculate>
auto RunLong(std::string unit, std::int64_t total, std::ostream& err, Calculate calculate) {
    LongRun run(std::move(unit), total, err, LongRun::ErrorIsTerminal());
    return calculate(run.Token(), [&run](std::int32_t done) { run.Report(done); });
}

// What a command stopped by Ctrl+C says (its status is kExitInterrupted).
inline constexpr std::string_view kStoppedByInterrupt = "orbelan-cli: stopped by Ctrl+C";
