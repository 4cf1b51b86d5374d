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

}  // namespace

std::string UserSettingsRoot() {
    // The base directory rule: a relative or empty XDG_CONFIG_HOME is ignored.
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/') {
        return WithTrailingSlash(configHome);
    }
    const std::string home = HomeFolder();
    if (home.empty()) {
        return {};
    }
    return WithTrailingSlash(home) + ".config/";
}

}  // namespace kestrum::platform
