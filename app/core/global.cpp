#include "app/core/global.h"

#include "platform/file_in_use.h"
#include "platform/user_folders.h"

namespace kestrum {

std::string TwoDigits(std::int32_t n) {
    return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

bool IsFileInUse(const std::string& path) {
    return platform::IsFileInUse(path);
}

std::string GetAppDataFolder() {
    return platform::UserSettingsRoot();
}

}  // namespace kestrum
