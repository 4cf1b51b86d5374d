#include <shlobj.h>
#include <windows.h>

#include "platform/user_folders.h"

namespace kestrum::platform {

// The shell's per-user roaming application-data folder (CSIDL_APPDATA).
std::string UserSettingsRoot() {
    char folder[MAX_PATH];
    if (::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) {
        return {};
    }
    std::string result(folder);
    if (!result.empty() && result.back() != '\\') {
        result.push_back('\\');
    }
    return result;
}

}  // namespace kestrum::platform
