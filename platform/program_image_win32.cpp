#include "platform/program_image_win32.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace kestrum::platform::win32 {

namespace {

// Where process creation would find the program: with ".exe" added when the
// name has no extension, then as it is.
std::string FindProgramFile(const std::string& name) {
    char found[MAX_PATH];
    for (const char* extension : {".exe", static_cast<const char*>(nullptr)}) {
        const DWORD n = ::SearchPathA(nullptr, name.c_str(), extension, MAX_PATH, found, nullptr);
        if (n > 0 && n < MAX_PATH) {
            return std::string(found, n);
        }
    }
    return {};
}

bool IsBatchFile(const std::string& path) {
    const std::size_t dot = path.find_last_of(".\\:/");
    if (dot == std::string::npos || path[dot] != '.') {
        return false;
    }
    std::string extension = path.substr(dot);
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".bat" || extension == ".cmd";
}

// The file's first two bytes are "MZ"; true also when it cannot be read, so
// that process creation reports what is wrong with it.
bool StartsLikeAnImage(const std::string& path) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return true;
    }
    char magic[2] = {};
    DWORD got = 0;
    const BOOL read = ::ReadFile(file, magic, sizeof magic, &got, nullptr);
    ::CloseHandle(file);
    return !read || (got == 2 && magic[0] == 'M' && magic[1] == 'Z');
}

}  // namespace

std::string ProgramOfCommandLine(const std::string& commandLine) {
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::size_t close = commandLine.find('"', 1);
        return commandLine.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    }
    return commandLine.substr(0, commandLine.find_first_of(" \t"));
}

bool IsStartableProgram(const std::string& commandLine) {
    const std::string program = ProgramOfCommandLine(commandLine);
    if (program.empty()) {
        return true;
    }
    const std::string file = FindProgramFile(program);
    if (file.empty() || IsBatchFile(file) || StartsLikeAnImage(file)) {
        return true;
    }
    ::SetLastError(ERROR_BAD_EXE_FORMAT);
    return false;
}

}  // namespace kestrum::platform::win32
