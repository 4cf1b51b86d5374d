#include <windows.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "support/temp_folder.h"

namespace kestrum::test {

TempFolder::TempFolder() {
    char base[MAX_PATH + 1];
    const DWORD n = ::GetTempPathA(sizeof base, base);
    if (n == 0 || n > MAX_PATH) {
        throw std::runtime_error("GetTempPathA failed");
    }
    // A fresh name: the process id and a counter, retried while taken.
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string candidate = std::string(base, n) + "kestrum-test-" +
                                      std::to_string(::GetCurrentProcessId()) + "-" +
                                      std::to_string(++counter);
        if (::CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate + "\\";
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Tests make files read-only; removal needs the attribute gone.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        ::SetFileAttributesA(it->path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace kestrum::test
