#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "convert/core/main_thread_dispatcher.h"

namespace kestrum {

// A main loop for front ends without one of their own (kestrum-convert, the
// tests, the benchmarks): other threads post operations, the main thread
// waits for them and runs them in posting order.
class MainThreadQueue final : public MainThreadDispatcher {
public:
    using Clock = std::chrono::steady_clock;

    void Post(std::function<void()> op) override;

    // Runs what is queued now and returns how many ran. What those operations
    // post waits for the next call, so a caller looping on this gets to check
    // its own conditions even while a worker keeps posting.
    std::size_t RunPending();

    // Waits until something is queued or the deadline passes, then runs what
    // is queued. False when the deadline passed with nothing to run.
    bool WaitAndRun(Clock::time_point deadline = Clock::time_point::max());

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> queue_;
};

}  // namespace kestrum
