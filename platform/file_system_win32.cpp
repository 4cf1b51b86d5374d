#include <windows.h>

#include <string>

#include "platform/file_system.h"
#include "platform/path_rules.h"

namespace kestrum::platform {

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return !path.empty() && attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return !path.empty() && attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ForceDirectories(const std::string& path, unsigned /*mode*/) {
    if (path.empty()) {
        return false;
    }
    std::string current;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        const bool atEnd = i == path.size();
        if (!atEnd) {
            current.push_back(path[i]);
        }
        // "C:" and "C:\" are drives, not folders to create.
        const bool isDrive = current.size() <= 3 && current.find(':') != std::string::npos;
        if ((atEnd || path[i] == '\\' || path[i] == '/') && !current.empty() && !isDrive) {
            if (!::CreateDirectoryA(current.c_str(), nullptr) &&
                ::GetLastError() != ERROR_ALREADY_EXISTS) {
                return false;
            }
        }
    }
    return DirectoryExists(path);
}

std::string ExecutableFolder() {
    char buffer[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) {
        return {};
    }
    const std::string path(buffer, n);
    return path.substr(0, path.find_last_of(kPathSeparators) + 1);
}

bool SameExistingFile(const std::string& a, const std::string& b) {
    auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
        const HANDLE file =
            ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        const bool ok = ::GetFileInformationByHandle(file, &info) != 0;
        ::CloseHandle(file);
        return ok;
    };
    BY_HANDLE_FILE_INFORMATION ia{}, ib{};
    return identify(a, ia) && identify(b, ib) &&
           ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

}  // namespace kestrum::platform
