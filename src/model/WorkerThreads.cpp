#include "model/WorkerThreads.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

// The browser edition is built without threads: there every run stays on the calling thread.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
void RunOnThreads(unsigned, unsigned, const std::function<void()>& work) {
    work();
}
#else
void RunOnThreads(unsigned threads, unsigned useful, const std::function<void()>& work) {
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    threads = std::min(threads, std::max(1u, useful));
    // What one thread threw goes to the caller once every thread has been joined: thrown out
    // of a thread of its own, or past a thread still running, it would end the program.
    std::mutex failureMutex;
    std::exception_ptr failure;
    const auto guarded = [&] {
        try {
            work();
        } catch (...) {
            const std::lock_guard<std::mutex> lock(failureMutex);
            if (!failure)
                failure = std::current_exception();
        }
    };
    std::vector<std::thread> helpers;
    helpers.reserve(threads - 1);
    for (unsigned t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(guarded);
        } catch (const std::exception&) {
            // Fewer threads only make the run slower, never different.
            break;
        }
    }
    guarded();
    for (std::thread& helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
}
#endif
