#include "cli/stop_signals.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>
#include <csignal>
#include <stdexcept>

namespace kestrum::cli {

StopSignals::StopSignals(std::function<void()> onStop) : onStop_(std::move(onStop)) {
    std::signal(SIGPIPE, SIG_IGN);  // a closed output pipe must not leave the encoder behind
    sigemptyset(&signals_);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&signals_, signal);
    }
    if (::pthread_sigmask(SIG_BLOCK, &signals_, nullptr) != 0 || ::pipe2(wake_, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot watch for stop signals");
    }
    watcher_ = std::thread([this] { Watch(); });
}

StopSignals::~StopSignals() {
    quitting_.store(true);
    ::pthread_kill(watcher_.native_handle(), SIGTERM);
    watcher_.join();
    ::close(wake_[0]);
    ::close(wake_[1]);
    // The signals stay blocked: unblocking would let a second Ctrl-C that is
    // still pending kill the program before it reports how the batch ended.
}

platform::NativeHandle StopSignals::WakeHandle() const {
    return wake_[0];
}

void StopSignals::Request() {
    if (!requested_.exchange(true)) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(wake_[1], &byte, 1);
        onStop_();
    }
}

void StopSignals::Watch() {
    while (true) {
        int signal = 0;
        if (::sigwait(&signals_, &signal) != 0 || quitting_.load()) {
            return;
        }
        Request();
    }
}

}  // namespace kestrum::cli
