#include "cli/LongRun.h"

#include <algorithm>
#include <csignal>
#include <unistd.h>

namespace {

using std::chrono::duration_cast;
using std::chrono::milliseconds;
using std::chrono::seconds;

// The progress line is rewritten at most this often: more would only slow the terminal.
constexpr milliseconds kPrintEvery{200};
// How long the run is timed before its length is foretold.
constexpr seconds kTimedFor{1};
// A run expected to take longer than this is announced.
constexpr seconds kLong{30};

// The run that Ctrl+C stops. A signal handler can reach only what is global.
std::atomic<StopSource*> g_interruptible{nullptr};

extern "C" void StopOnInterrupt(int) {
    // A store to a lock-free atomic is safe in a signal handler; the handler is taken off
    // again once it has run, so a second Ctrl+C ends the program at once.
    if (StopSource* run = g_interruptible.load())
        run->request_stop();
}

void CatchInterrupt(bool on) {
    struct sigaction action {};
    action.sa_handler = on ? StopOnInterrupt : SIG_DFL;
    action.sa_flags = on ? SA_RESETHAND : 0;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
}

} // namespace

std::string DurationText(seconds duration) {
    const auto total = duration.count();
    if (total < 60)
        return "about " + std::to_string(total) + " s";
    const auto minutes = (total + 30) / 60;
    if (minutes < 60)
        return "about " + std::to_string(minutes) + " min";
    return "about " + std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min";
}

LongRun::LongRun(std::string unit, std::int64_t total, std::ostream& err, bool terminal,
                 Clock clock)
    : m_unit(std::move(unit)), m_total(total), m_err(err), m_terminal(terminal),
      m_clock(std::move(clock)), m_start(m_clock()) {
    g_interruptible.store(&m_stop);
    CatchInterrupt(true);
}

LongRun::~LongRun() {
    CatchInterrupt(false);
    g_interruptible.store(nullptr);
    if (m_lineLength > 0)
        m_err << '\r' << std::string(m_lineLength, ' ') << '\r' << std::flush;
}

bool LongRun::ErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

void LongRun::Report(std::int64_t done) {
    if (!m_terminal)
        return;
    const auto elapsed = m_clock() - m_start;
    const std::int64_t now = duration_cast<milliseconds>(elapsed).count();
    std::int64_t due = m_nextPrint.load();
    // One thread prints; the others go straight back to work.
    if (now < due || !m_nextPrint.compare_exchange_strong(due, now + kPrintEvery.count()))
        return;
    const std::unique_lock<std::mutex> printing(m_printing, std::try_to_lock);
    if (printing.owns_lock())
        Print(done, elapsed);
}

void LongRun::Print(std::int64_t done, std::chrono::steady_clock::duration elapsed) {
    std::string line = std::to_string(done) + " of " + std::to_string(m_total) + " " + m_unit;
    if (elapsed >= kTimedFor && done > 0) {
        const auto left = duration_cast<seconds>(elapsed * (m_total - done) / done);
        if (!m_estimated && elapsed + left > kLong) {
            m_err << '\r' << std::string(m_lineLength, ' ') << '\r' << "This will take "
                  << DurationText(duration_cast<seconds>(elapsed + left)) << "; Ctrl+C stops it.\n";
            m_lineLength = 0;
        }
        m_estimated = true;
        line += ", " + DurationText(left) + " left";
    }
    // Shorter than the line before: the rest of that one is blanked.
    const std::size_t length = line.size();
    if (length < m_lineLength)
        line.append(m_lineLength - length, ' ');
    m_err << '\r' << line << std::flush;
    m_lineLength = std::max(m_lineLength, length);
}
