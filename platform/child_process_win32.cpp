#include <windows.h>

#include "platform/child_process.h"
#include "platform/program_image_win32.h"

namespace kestrum::platform {

#ifndef _WIN64
static_assert(sizeof(STARTUPINFOA) == 68, "the 32-bit start-up record is 68 bytes long");
#endif

namespace {

// Use the show-window field and the standard handles: 0x101.
constexpr DWORD kStartupFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
static_assert(kStartupFlags == 0x101);
// Normal priority and nothing else: 0x20.
constexpr DWORD kCreationFlags = NORMAL_PRIORITY_CLASS;
static_assert(kCreationFlags == 0x20);

}  // namespace

bool StartChildProcess(const ChildCommand& command, const StandardHandles& stdio,
                       ChildProcess& child) {
    child = ChildProcess{};
    if (!win32::IsStartableProgram(command.commandLine)) {
        return false;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = kStartupFlags;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = stdio.input;
    startup.hStdOutput = stdio.output;
    startup.hStdError = stdio.error;

    // The program comes from the command line's first token (a bare name is
    // searched for the way the system searches for programs). The line must
    // be writable: process creation may change it while it looks.
    std::string line = command.commandLine;
    PROCESS_INFORMATION created{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, kCreationFlags, nullptr,
                          nullptr, &startup, &created)) {
        return false;
    }
    child.process = created.hProcess;
    child.thread = created.hThread;
    child.processId = created.dwProcessId;
    child.threadId = created.dwThreadId;
    return true;
}

WaitResult WaitForChild(const ChildProcess& child, std::span<WatchedPipe> /*pipes*/,
                        std::chrono::milliseconds timeout) {
    const DWORD waited = ::WaitForSingleObject(child.process, static_cast<DWORD>(timeout.count()));
    return waited == WAIT_OBJECT_0 ? WaitResult::ChildEnded : WaitResult::TimedOut;
}

void TerminateChild(const ChildProcess& child, std::uint32_t exitCode) {
    if (IsHeld(child)) {
        ::TerminateProcess(child.process, exitCode);
    }
}

ChildExit CollectChild(ChildProcess& child) {
    ChildExit result;
    if (IsHeld(child)) {
        DWORD code = 0;
        if (::WaitForSingleObject(child.process, INFINITE) == WAIT_OBJECT_0 &&
            ::GetExitCodeProcess(child.process, &code)) {
            result.exited = true;
            result.code = static_cast<int>(code);
        }
    }
    CloseNativeHandle(child.process);
    CloseNativeHandle(child.thread);
    child = ChildProcess{};
    return result;
}

}  // namespace kestrum::platform
