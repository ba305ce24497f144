#pragma once

#include <atomic>
#include <memory>

// Asking long work to give up from another thread. The same shape as the standard
// std::stop_source and std::stop_token, which not every compiler we build with provides:
// the browser edition's standard library has neither.
class StopToken {
public:
    // A token that is never asked to stop.
    StopToken() = default;

    bool stop_requested() const { return m_flag && m_flag->load(std::memory_order_relaxed); }

private:
    friend class StopSource;
    explicit StopToken(std::shared_ptr<const std::atomic<bool>> flag) : m_flag(std::move(flag)) {}

    std::shared_ptr<const std::atomic<bool>> m_flag;
};

class StopSource {
public:
    StopSource() : m_flag(std::make_shared<std::atomic<bool>>(false)) {}

    void request_stop() { m_flag->store(true, std::memory_order_relaxed); }
    StopToken get_token() const { return StopToken(m_flag); }

private:
    std::shared_ptr<std::atomic<bool>> m_flag;
};
