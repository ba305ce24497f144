#include "model/WorkerThreads.h"

#include <algorithm>
#include <system_error>
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
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error&) {
            // Fewer threads only make the run slower, never different.
            break;
        }
    }
    work();
    for (std::thread& helper : helpers)
        helper.join();
}
#endif
