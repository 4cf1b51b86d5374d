#include <windows.h>

#include "platform/native_handle.h"

namespace kestrum::platform {

void CloseNativeHandle(NativeHandle& handle) {
    if (IsHeld(handle)) {
        ::CloseHandle(handle);
        handle = kNoHandle;
    }
}

}  // namespace kestrum::platform
