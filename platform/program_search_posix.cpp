#include "platform/program_search.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace kestrum::platform {

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::string FindInFolder(std::string folder, const std::string& name) {
    if (folder.empty() || folder[0] != '/') {
        // Relative PATH entries (".", "", "bin") name the current folder in
        // disguise; a program planted there must not run.
        return {};
    }
    if (folder.back() != '/') {
        folder.push_back('/');
    }
    const std::string candidate = folder + name;
    return IsExecutableFile(candidate) ? candidate : std::string{};
}

std::string FindByExactName(const std::string& name) {
    if (std::string found = FindInFolder(ExecutableFolder(), name); !found.empty()) {
        return found;
    }
    const char* pathVariable = std::getenv("PATH");
    std::string_view folders =
        pathVariable != nullptr ? pathVariable : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const std::size_t colon = folders.find(':');
        if (std::string found = FindInFolder(std::string(folders.substr(0, colon)), name);
            !found.empty()) {
            return found;
        }
        if (colon == std::string_view::npos) {
            return {};
        }
        folders.remove_prefix(colon + 1);
    }
}

}  // namespace

std::string FindProgram(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos) {
        return {};
    }
    if (std::string found = FindByExactName(name); !found.empty()) {
        return found;
    }
    // A name written for Windows ("ffmpeg.exe") also finds the program without the suffix.
    constexpr std::string_view kExe = ".exe";
    if (name.size() > kExe.size() && name.ends_with(kExe)) {
        return FindByExactName(name.substr(0, name.size() - kExe.size()));
    }
    return {};
}

}  // namespace kestrum::platform
