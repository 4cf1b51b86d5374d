#include "platform/file_system.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/path_rules.h"

namespace kestrum::platform {

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& path, unsigned mode) {
    if (path.empty()) {
        return false;
    }
    std::string current;
    current.reserve(path.size());
    for (std::size_t i = 0; i <= path.size(); ++i) {
        const bool atEnd = i == path.size();
        if (!atEnd) {
            current.push_back(path[i]);
        }
        if ((atEnd || IsPathSeparator(path[i])) && !current.empty() &&
            !(current.size() == 1 && IsPathSeparator(current[0]))) {
            if (::mkdir(current.c_str(), static_cast<mode_t>(mode)) != 0 && errno != EEXIST) {
                return false;
            }
        }
    }
    return DirectoryExists(path);
}

std::string ExecutableFolder() {
    std::string buffer(PATH_MAX, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0) {
        return {};
    }
    buffer.resize(static_cast<std::size_t>(n));
    return buffer.substr(0, buffer.rfind(kPreferredSeparator) + 1);
}

bool IdentifyFile(const std::string& path, FileIdentity& identity) {
    char resolved[PATH_MAX];
    struct stat st {};
    if (path.empty() || ::realpath(path.c_str(), resolved) == nullptr ||
        ::stat(resolved, &st) != 0 || S_ISDIR(st.st_mode)) {
        return false;
    }
    identity.path = resolved;
    identity.size = static_cast<std::uint64_t>(st.st_size);
    identity.modified =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    identity.device = static_cast<std::uint64_t>(st.st_dev);
    identity.file = static_cast<std::uint64_t>(st.st_ino);
    return true;
}

bool SameExistingFile(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool SameFilePlace(const std::string& a, const std::string& b) {
    if (a == b || SameExistingFile(a, b)) {
        return true;
    }
    const std::size_t slashA = a.rfind('/');
    const std::size_t slashB = b.rfind('/');
    const auto folder = [](const std::string& path, std::size_t slash) {
        return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    };
    const auto name = [](const std::string& path, std::size_t slash) {
        return slash == std::string::npos ? path : path.substr(slash + 1);
    };
    return !name(a, slashA).empty() && name(a, slashA) == name(b, slashB) &&
           SameExistingFile(folder(a, slashA), folder(b, slashB));
}

std::string LinkTarget(const std::string& path) {
    char resolved[PATH_MAX];
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) &&
        ::realpath(path.c_str(), resolved) != nullptr) {
        return resolved;
    }
    return path;
}

}  // namespace kestrum::platform
