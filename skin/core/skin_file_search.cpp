#include "skin/core/skin_file_search.h"

#include <filesystem>

#include "platform/file_system.h"
#include "platform/path_rules.h"

namespace kestrum {

std::string InstalledSkinsFolder() {
    const std::string programFolder = platform::ExecutableFolder();
    return programFolder.empty() ? std::string() : programFolder + KESTRUM_SKINS_FROM_PROGRAM;
}

std::string FindSkinFile(const std::string& setting) {
    if (platform::FileExists(setting)) {
        // Kept absolute: loading again later must not depend on the current folder.
        std::error_code ignored;
        const std::filesystem::path absolute = std::filesystem::absolute(setting, ignored);
        return absolute.empty() ? setting : absolute.string();
    }
    std::size_t nameStart = setting.size();
    while (nameStart > 0 && !platform::IsPathSeparator(setting[nameStart - 1])) {
        --nameStart;
    }
    const std::string name = setting.substr(nameStart);
    if (name.empty()) {
        return {};
    }
    for (const std::string& folder : {platform::ExecutableFolder(), InstalledSkinsFolder()}) {
        if (!folder.empty() && platform::FileExists(folder + name)) {
            return folder + name;
        }
    }
    return {};
}

}  // namespace kestrum
