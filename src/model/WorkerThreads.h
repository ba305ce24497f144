#pragma once

#include <functional>

// Runs the work on up to `threads` threads at once, the calling thread among them, and returns
// when every one has returned (0: as many as the machine has; never more than `useful`). Each
// thread runs the same work, which takes its share from state it shares with the others, so
// that any number of threads gives the same result. Where no thread can be had, as in the
// browser edition, the calling thread does it all. What the work throws on any thread is
// thrown again here, once every thread has returned.
void RunOnThreads(unsigned threads, unsigned useful, const std::function<void()>& work);
