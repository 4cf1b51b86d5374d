#include "platform/native_handle.h"

#include <unistd.h>

namespace kestrum::platform {

void CloseNativeHandle(NativeHandle& handle) {
    if (IsHeld(handle)) {
        // Linux releases the descriptor even when close reports EINTR, so it
        // is never retried: a retry could close a number another thread reused.
        ::close(handle);
        handle = kNoHandle;
    }
}

}  // namespace kestrum::platform
