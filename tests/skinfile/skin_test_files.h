#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "skin/core/skin_file_sk2.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace kestrum::test {

// Points TMPDIR at a folder of the test's own while it lives, so that tests
// can see every temporary file the skin reader makes.
class OwnTemporaryFolder {
public:
    const std::string& Path() const { return folder_.Path(); }
    bool IsEmpty() const { return std::filesystem::is_empty(folder_.Path()); }

private:
    TempFolder folder_;
    ScopedEnvironment tmpdir_{"TMPDIR", folder_.Path()};
};

// The bytes of a skin file holding `records`, packed as kestrum-skinpack does.
std::string SkinFileBytes(const std::vector<skinfile::Sk2Record>& records,
                          const std::string& password = {});
std::string SkinFileBytesOfData(const std::string& data, const std::string& password = {});

// Sets the uncompressed size of the (only) entry in both of its headers.
void SetDeclaredSize(std::string& skinFile, std::uint32_t size);

}  // namespace kestrum::test
