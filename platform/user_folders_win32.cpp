#include <shlobj.h>
#include <windows.h>

#include "platform/user_folders.h"

namespace kestrum::platform {

namespace {

// A shell folder of the current user, with a trailing backslash.
std::string ShellFolder(int which) {
    char folder[MAX_PATH];
    if (::SHGetFolderPathA(nullptr, which, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) {
        return {};
    }
    std::string result(folder);
    if (!result.empty() && result.back() != '\\') {
        result.push_back('\\');
    }
    return result;
}

}  // namespace

// The shell's per-user roaming application-data folder (CSIDL_APPDATA).
std::string UserSettingsRoot() {
    return ShellFolder(CSIDL_APPDATA);
}

// A cache stays on this machine: the local application-data folder.
std::string ProgramCacheFolder() {
    const std::string root = ShellFolder(CSIDL_LOCAL_APPDATA);
    return root.empty() ? root : root + "Kestrum\\";
}

}  // namespace kestrum::platform
