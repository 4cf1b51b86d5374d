#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>

#include "app/core/running_copy_place.h"

namespace kestrum {
namespace {

constexpr std::string_view kSocketSuffix = ".socket";

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

// The user's runtime folder; else a folder of our own in the temporary
// folder, or in /tmp when the temporary folder's path leaves no room for the
// socket. The first folder that `fits` is the one, so every copy started with
// the same environment comes to the same place; nothing when that folder is
// not private.
std::optional<std::string> PrivateFolder(const std::function<bool(const std::string&)>& fits) {
    const std::string runtime = Environment("XDG_RUNTIME_DIR");
    if (!runtime.empty() && runtime.front() == '/' && fits(runtime) && IsPrivateFolder(runtime)) {
        return runtime;
    }
    std::string temp = Environment("TMPDIR");
    if (temp.empty() || temp.front() != '/') {
        temp = "/tmp";
    }
    while (temp.size() > 1 && temp.back() == '/') {
        temp.pop_back();
    }
    const std::string own = "/kestrum-" + std::to_string(::getuid());
    std::string folder = temp + own;
    if (!fits(folder)) {
        folder = "/tmp" + own;
    }
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
    // The desktop session: the login session and the display the windows go to.
    const std::string userAndSession =
        std::to_string(::getuid()) + '\n' + Environment("XDG_SESSION_ID") + '\n' +
        Environment("WAYLAND_DISPLAY") + '\n' + Environment("DISPLAY");
    const std::string name = RunningCopyName(userAndSession);
    // A socket's path must fit into its address, with the closing NUL.
    const auto socketFits = [&name](const std::string& folder) {
        return folder.size() + 1 + name.size() + kSocketSuffix.size() <
               sizeof(sockaddr_un::sun_path);
    };
    const std::optional<std::string> folder = PrivateFolder(socketFits);
    if (!folder) {
        return std::nullopt;
    }
    const std::string base = *folder + '/' + name;
    return RunningCopyPlace{base + ".lock", base + std::string(kSocketSuffix)};
}

void LetRunningCopyComeForward() {
    // The desktop's window manager decides which window comes forward; the
    // running copy asks for it itself.
}

}  // namespace kestrum
