#include "model/WorkerThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

TEST(WorkerThreadsTest, WhatAHelperThreadThrowsComesBackToTheCallerAfterTheJoin) {
    const std::thread::id caller = std::this_thread::get_id();
    std::atomic<int> finished{0};
    const auto work = [&] {
        ++finished;
        if (std::this_thread::get_id() != caller)
            throw std::runtime_error("from a helper");
    };

    EXPECT_THROW(RunOnThreads(2, 2, work), std::runtime_error);
    EXPECT_EQ(finished.load(), 2);
}
