#include <windows.h>

#include <mutex>
#include <stdexcept>

#include "cli/stop_signals.h"

namespace kestrum::cli {

namespace {

// The console control handler has no context of its own: it finds the one
// StopSignals here, under a lock that its destructor takes too.
std::mutex currentLock;
StopSignals* current = nullptr;

BOOL WINAPI OnConsoleControl(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) {
        return FALSE;
    }
    const std::lock_guard lock(currentLock);
    if (current == nullptr) {
        return FALSE;
    }
    current->Request();
    return TRUE;
}

}  // namespace

StopSignals::StopSignals(std::function<void()> onStop) : onStop_(std::move(onStop)) {
    wakeEvent_ = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const std::lock_guard lock(currentLock);
    if (wakeEvent_ == nullptr || current != nullptr ||
        !::SetConsoleCtrlHandler(OnConsoleControl, TRUE)) {
        platform::CloseNativeHandle(wakeEvent_);
        throw std::runtime_error("cannot watch for stop signals");
    }
    current = this;
}

StopSignals::~StopSignals() {
    ::SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    {
        const std::lock_guard lock(currentLock);
        current = nullptr;
    }
    platform::CloseNativeHandle(wakeEvent_);
}

platform::NativeHandle StopSignals::WakeHandle() const {
    return wakeEvent_;
}

void StopSignals::Request() {
    if (!requested_.exchange(true)) {
        ::SetEvent(wakeEvent_);
        onStop_();
    }
}

}  // namespace kestrum::cli
