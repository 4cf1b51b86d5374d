#include <windows.h>

#include "platform/file_in_use.h"
#include "platform/file_system.h"

namespace kestrum::platform {

// The exclusive open: an existing file that cannot be opened for reading and
// writing with no sharing is in use (held open by anyone, or read-only).
bool IsFileInUse(const std::string& path) {
    if (!FileExists(path)) {
        return false;
    }
    // Windows refuses the open of a read-only file by itself; Wine run by
    // root, whose host system lets root write anything, would not.
    if ((::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY) != 0) {
        return true;
    }
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return true;
    }
    ::CloseHandle(file);
    return false;
}

}  // namespace kestrum::platform
