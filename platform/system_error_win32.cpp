#include <windows.h>

#include "platform/system_error.h"

namespace kestrum::platform {

int LastSystemError() {
    return static_cast<int>(::GetLastError());
}

void SetLastSystemError(int code) {
    ::SetLastError(static_cast<DWORD>(code));
}

}  // namespace kestrum::platform
