#pragma once

#include <signal.h>
#include <atomic>
#include <functional>
#include <thread>

namespace kestrum::cli {

// Ctrl-C, SIGTERM and SIGHUP while converting stop the batch instead of
// killing the program outright, so that the encoder and its process group go
// too. Create it before any other thread: the signals are blocked in every
// thread of the program, for the rest of its run, and taken by a watcher
// thread of its own. The encoder gets every signal back at its default.
class StopSignals {
public:
    // `onStop` runs once, on the watcher thread, at the first signal.
    explicit StopSignals(std::function<void()> onStop);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    bool Requested() const { return requested_.load(); }
    // Becomes readable at the first signal, so that a wait for the user's
    // answer can end too.
    int WakeHandle() const { return wake_[0]; }

private:
    void Watch();

    sigset_t signals_;
    std::function<void()> onStop_;
    std::atomic<bool> requested_{false};
    std::atomic<bool> quitting_{false};
    int wake_[2] = {-1, -1};
    std::thread watcher_;
};

}  // namespace kestrum::cli
