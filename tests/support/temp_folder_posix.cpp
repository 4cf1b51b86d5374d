#include "support/temp_folder.h"

#include <sys/stat.h>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace kestrum::test {

TempFolder::TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && base[0] != '\0' ? base : "/tmp") + "/kestrum-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern + "/";
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Tests make files read-only; give the owner back write access so removal
    // works. A link is left alone: chmod would change what it points to.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (!it->is_symlink(ignored)) {
            ::chmod(it->path().c_str(), it->is_directory(ignored) ? 0700 : 0600);
        }
    }
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace kestrum::test
