#include <windows.h>

#include <string>

#include "platform/file_system.h"

namespace kestrum::platform {

bool ReadWholeFile(const std::string& path, std::string& content, std::size_t limit) {
    const HANDLE file =
        ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    content.clear();
    char buffer[65536];
    DWORD read = 0;
    bool ok = true;
    while ((ok = ::ReadFile(file, buffer, sizeof buffer, &read, nullptr) != 0) && read > 0) {
        if (read > limit - content.size()) {
            ok = false;
            break;
        }
        content.append(buffer, read);
    }
    ::CloseHandle(file);
    return ok;
}

int ReplaceFileContent(const std::string& path, const std::string& content) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
            (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            return ERROR_ACCESS_DENIED;
        }
    }
    const std::string temporary = path + ".new";
    const HANDLE file = ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return static_cast<int>(::GetLastError());
    }
    DWORD written = 0;
    int error = 0;
    if (!::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) ||
        written != content.size() || !::FlushFileBuffers(file)) {
        error = static_cast<int>(::GetLastError());
    }
    ::CloseHandle(file);
    if (error == 0 && !::MoveFileExA(temporary.c_str(), path.c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = static_cast<int>(::GetLastError());
    }
    if (error != 0) {
        ::DeleteFileA(temporary.c_str());
    }
    return error;
}

}  // namespace kestrum::platform
