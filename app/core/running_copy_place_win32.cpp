#include <windows.h>

#include "app/core/running_copy_place.h"

namespace kestrum {

std::optional<RunningCopyPlace> FindRunningCopyPlace() {
    // The lock file goes into the user's own temporary folder. Pipe names
    // are machine-wide, so the user name and the session number go into it.
    char temp[MAX_PATH + 1];
    const DWORD length = ::GetTempPathA(sizeof temp, temp);
    if (length == 0 || length > MAX_PATH) {
        return std::nullopt;
    }
    char user[256 + 1];
    DWORD userLength = sizeof user;
    DWORD session = 0;
    if (!::GetUserNameA(user, &userLength) ||
        !::ProcessIdToSessionId(::GetCurrentProcessId(), &session)) {
        return std::nullopt;
    }
    const std::string name = RunningCopyName(std::string(user) + '\n' + std::to_string(session));
    return RunningCopyPlace{std::string(temp) + name + ".lock", name};
}

void LetRunningCopyComeForward() {
    ::AllowSetForegroundWindow(ASFW_ANY);
}

}  // namespace kestrum
