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

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The length of the part of a path that names no folder to create: a drive
// (C: or C:\ and the separator), the root of the current drive (a leading
// separator), or a network share (\\server\share and the separator).
std::size_t RootLength(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') {
        return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
    }
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        std::size_t at = 2;
        for (int part = 0; part < 2 && at < path.size(); ++part) {
            while (at < path.size() && !IsSeparator(path[at])) {
                ++at;
            }
            if (at < path.size()) {
                ++at;
            }
        }
        return at;
    }
    return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

std::uint64_t Join(DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

// What the file system says of the file a path names; false when it cannot be opened.
bool FileInformation(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    const HANDLE file =
        ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool ok = ::GetFileInformationByHandle(file, &info) != 0;
    ::CloseHandle(file);
    return ok;
}

}  // namespace

bool ForceDirectories(const std::string& path, unsigned /*mode*/) {
    if (path.empty()) {
        return false;
    }
    const std::size_t root = RootLength(path);
    for (std::size_t end = root; end <= path.size(); ++end) {
        const bool atEnd = end == path.size();
        if ((atEnd || IsSeparator(path[end])) && end > root && !IsSeparator(path[end - 1])) {
            const std::string folder = path.substr(0, end);
            if (!::CreateDirectoryA(folder.c_str(), nullptr) &&
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

bool IdentifyFile(const std::string& path, FileIdentity& identity) {
    char full[MAX_PATH];
    const DWORD length = ::GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    if (path.empty() || length == 0 || length >= MAX_PATH || !FileInformation(full, info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    identity.path.assign(full, length);
    identity.size = Join(info.nFileSizeHigh, info.nFileSizeLow);
    identity.modified = static_cast<std::int64_t>(
        Join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime));
    identity.device = info.dwVolumeSerialNumber;
    identity.file = Join(info.nFileIndexHigh, info.nFileIndexLow);
    return true;
}

bool SameExistingFile(const std::string& a, const std::string& b) {
    BY_HANDLE_FILE_INFORMATION ia{}, ib{};
    return FileInformation(a, ia) && FileInformation(b, ib) &&
           ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

bool SameFilePlace(const std::string& a, const std::string& b) {
    if (a == b || SameExistingFile(a, b)) {
        return true;
    }
    const std::size_t endA = a.find_last_of(kPathSeparators);
    const std::size_t endB = b.find_last_of(kPathSeparators);
    const auto folder = [](const std::string& path, std::size_t end) {
        return end == std::string::npos ? std::string(".") : path.substr(0, end + 1);
    };
    const auto name = [](const std::string& path, std::size_t end) {
        return end == std::string::npos ? path : path.substr(end + 1);
    };
    const std::string nameA = name(a, endA);
    const std::string nameB = name(b, endB);
    // The file system's own comparison ignores case; the system's comes close.
    return !nameA.empty() &&
           ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, nameA.c_str(), -1, nameB.c_str(),
                            -1) == CSTR_EQUAL &&
           SameExistingFile(folder(a, endA), folder(b, endB));
}

// The path as it stands: Windows outputs are not followed through links.
std::string LinkTarget(const std::string& path) {
    return path;
}

}  // namespace kestrum::platform
