#pragma once

namespace kestrum::platform {

// A handle of the operating system: a file descriptor on POSIX, a HANDLE on
// Windows. kNoHandle means "not held"; a held handle is never that value.
#ifdef _WIN32
using NativeHandle = void*;
inline constexpr NativeHandle kNoHandle = nullptr;
#else
using NativeHandle = int;
inline constexpr NativeHandle kNoHandle = -1;
#endif

inline bool IsHeld(NativeHandle handle) {
    return handle != kNoHandle;
}

// Closes a held handle and marks it not held; does nothing when it is not held.
void CloseNativeHandle(NativeHandle& handle);

}  // namespace kestrum::platform
