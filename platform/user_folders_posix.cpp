#include "platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>
#include <cstdlib>
#include <string>

namespace kestrum::platform {

namespace {

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    if (const passwd* entry = ::getpwuid(::getuid());
        entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return {};
}

std::string WithTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder.push_back('/');
    }
    return folder;
}

// The base directory rule: a relative or empty variable is ignored, and the
// folder under the home folder counts instead.
std::string BaseDirectory(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') {
        return WithTrailingSlash(value);
    }
    const std::string home = HomeFolder();
    if (home.empty()) {
        return {};
    }
    return WithTrailingSlash(home) + underHome;
}

}  // namespace

std::string UserSettingsRoot() {
    return BaseDirectory("XDG_CONFIG_HOME", ".config/");
}

std::string ProgramCacheFolder() {
    const std::string root = BaseDirectory("XDG_CACHE_HOME", ".cache/");
    return root.empty() ? root : root + "kestrum/";
}

}  // namespace kestrum::platform
