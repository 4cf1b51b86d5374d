#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "app/core/running_copy_place.h"

namespace kestrum {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// A real folder (not a link to one) owned by us that nobody else may enter.
bool IsPrivateFolder(const std::string& folder) {
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

std::optional<std::string> PrivateFolder() {
    const std::string runtime = Environment("XDG_RUNTIME_DIR");
    if (!runtime.empty() && runtime.front() == '/' && IsPrivateFolder(runtime)) {
        return runtime;
    }
    std::string temp = Environment("TMPDIR");
    if (temp.empty() || temp.front() != '/') {
        temp = "/tmp";
    }
    while (temp.size() > 1 && temp.back() == '/') {
        temp.pop_back();
    }
    const std::string folder = temp + "/kestrum-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return std::nullopt;
    }
    if (!IsPrivateFolder(folder)) {
        return std::nullopt;
    }
    return folder;
}

}  // namespace

std::optional<RunningCopyPlace> FindRunningCopyPlace() {
    const std::optional<std::string> folder = PrivateFolder();
    if (!folder) {
        return std::nullopt;
    }
    // The desktop session: the login session and the display the windows go to.
    const std::string userAndSession =
        std::to_string(::getuid()) + '\n' + Environment("XDG_SESSION_ID") + '\n' +
        Environment("WAYLAND_DISPLAY") + '\n' + Environment("DISPLAY");
    const std::string base = *folder + '/' + RunningCopyName(userAndSession);
    return RunningCopyPlace{base + ".lock", base + ".socket"};
}

void LetRunningCopyComeForward() {
    // The desktop's window manager decides which window comes forward; the
    // running copy asks for it itself.
}

}  // namespace kestrum
