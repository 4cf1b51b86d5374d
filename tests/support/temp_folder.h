#pragma once

#include <string>
#include <vector>

namespace kestrum::test {

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder path with a trailing separator ("/"; "\\" on Windows).
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);
// The names in a folder, sorted; none when it cannot be read.
std::vector<std::string> FolderEntries(const std::string& folder);

}  // namespace kestrum::test
