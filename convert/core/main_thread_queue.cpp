#include "convert/core/main_thread_queue.h"

namespace kestrum {

void MainThreadQueue::Post(std::function<void()> op) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(op));
    }
    posted_.notify_one();
}

std::size_t MainThreadQueue::RunPending() {
    std::deque<std::function<void()>> due;
    {
        std::lock_guard lock(mutex_);
        due.swap(queue_);
    }
    // Outside the lock: operations post in turn, and workers must not wait on us.
    for (std::function<void()>& op : due) {
        op();
    }
    return due.size();
}

bool MainThreadQueue::WaitAndRun(Clock::time_point deadline) {
    {
        std::unique_lock lock(mutex_);
        const auto ready = [&] { return !queue_.empty(); };
        if (deadline == Clock::time_point::max()) {
            posted_.wait(lock, ready);
        } else if (!posted_.wait_until(lock, deadline, ready)) {
            return false;
        }
    }
    RunPending();
    return true;
}

}  // namespace kestrum
