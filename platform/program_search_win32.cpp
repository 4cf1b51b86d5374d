#include <windows.h>

#include "platform/program_search.h"

namespace kestrum::platform {

// The system's own search for a program named on a command line: the
// executable's folder, the current folder, the system folders, then PATH.
std::string FindProgram(const std::string& name) {
    char found[MAX_PATH];
    const DWORD n = ::SearchPathA(nullptr, name.c_str(), ".exe", MAX_PATH, found, nullptr);
    return (n == 0 || n >= MAX_PATH) ? std::string{} : std::string(found, n);
}

}  // namespace kestrum::platform
