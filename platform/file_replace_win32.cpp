#include <windows.h>

#include <string>

#include "platform/file_system.h"

namespace kestrum::platform {

int CreateNewFile(const std::string& path, const std::string& /*permissionsOf*/) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return static_cast<int>(::GetLastError());
    }
    ::CloseHandle(file);
    return 0;
}

bool IsNameTaken(int error) {
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

bool IsNameTooLong(int error) {
    return error == ERROR_FILENAME_EXCED_RANGE;
}

namespace {

// A virus scanner looking at a file that was just closed holds it for a
// moment; such a refusal is tried again a few times before it counts.
constexpr int kAttempts = 10;
constexpr DWORD kPauseMs = 50;

bool MayPass(int error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

int FlushAndMove(const std::string& from, const std::string& to, bool replace) {
    const HANDLE file = ::CreateFileA(from.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return static_cast<int>(::GetLastError());
    }
    int error = ::FlushFileBuffers(file) ? 0 : static_cast<int>(::GetLastError());
    ::CloseHandle(file);
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (error == 0 && !::MoveFileExA(from.c_str(), to.c_str(), flags)) {
        error = static_cast<int>(::GetLastError());
    }
    return error;
}

}  // namespace

int RenameWholeFile(const std::string& from, const std::string& to, bool replace) {
    int error = FlushAndMove(from, to, replace);
    for (int attempt = 1; attempt < kAttempts && MayPass(error); ++attempt) {
        ::Sleep(kPauseMs);
        error = FlushAndMove(from, to, replace);
    }
    return error;
}

int RemoveFile(const std::string& path) {
    return ::DeleteFileA(path.c_str()) ? 0 : static_cast<int>(::GetLastError());
}

}  // namespace kestrum::platform
