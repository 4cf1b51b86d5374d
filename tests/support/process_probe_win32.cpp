#include <windows.h>

#include "support/process_probe.h"

namespace kestrum::test {

namespace {

// The process's exit code (STILL_ACTIVE while it runs); nothing when no
// process of that id can be opened, which is what an ended process whose
// every handle is closed looks like.
bool ExitCodeOf(pid_t pid, DWORD& code) {
    const HANDLE process =
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) {
        return false;
    }
    const bool known = ::GetExitCodeProcess(process, &code) != 0;
    ::CloseHandle(process);
    return known;
}

}  // namespace

bool ProcessExists(pid_t pid) {
    DWORD code = 0;
    return ExitCodeOf(pid, code);
}

bool ProcessRunning(pid_t pid) {
    DWORD code = 0;
    return ExitCodeOf(pid, code) && code == STILL_ACTIVE;
}

}  // namespace kestrum::test
