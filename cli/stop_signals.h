#pragma once

#include <atomic>
#include <functional>

#ifndef _WIN32
#include <signal.h>
#include <thread>
#endif

#include "platform/native_handle.h"

namespace kestrum::cli {

// Ctrl-C, SIGTERM and SIGHUP (on Windows: Ctrl-C, Ctrl-Break and closing the
// console) while converting stop the batch instead of killing the program
// outright, so that the encoder goes too. POSIX: create it before any other
// thread: the signals are blocked in every thread of the program, for the
// rest of its run, and taken by a watcher thread of its own; the encoder gets
// every signal back at its default; a closed output pipe no longer kills us.
// Windows: a console control handler, which the system calls on a thread of
// its own; one StopSignals at a time.
class StopSignals {
public:
    // `onStop` runs once, on the watcher (handler) thread, at the first signal.
    explicit StopSignals(std::function<void()> onStop);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    bool Requested() const { return requested_.load(); }
    // Fires at the first signal (a readable descriptor; a signalled event on
    // Windows), so that a wait for the user's answer can end too.
    platform::NativeHandle WakeHandle() const;

    // What a stop signal does: the first wakes WakeHandle and runs onStop once.
    void Request();

private:
    std::function<void()> onStop_;
    std::atomic<bool> requested_{false};
#ifdef _WIN32
    platform::NativeHandle wakeEvent_ = platform::kNoHandle;
#else
    void Watch();

    sigset_t signals_;
    std::atomic<bool> quitting_{false};
    int wake_[2] = {-1, -1};
    std::thread watcher_;
#endif
};

}  // namespace kestrum::cli
