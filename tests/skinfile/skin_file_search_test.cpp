#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "skin/core/skin_file_search.h"
#include "skin/core/skin_file_temp.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

namespace fs = std::filesystem;

// A file of the test's own in a folder, removed again with the folders this
// test had to make.
class PlacedFile {
public:
    PlacedFile(const std::string& folder, const std::string& name) : path_(folder + name) {
        fs::path missing = folder;
        while (!fs::exists(missing)) {
            firstMade_ = missing;
            missing = missing.parent_path();
        }
        fs::create_directories(folder);
        test::WriteFile(path_, "SK");
    }
    ~PlacedFile() {
        std::error_code ignored;
        fs::remove(path_, ignored);
        if (!firstMade_.empty()) {
            fs::remove_all(firstMade_, ignored);
        }
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    fs::path firstMade_;
};

TEST(FindSkinFile, NameAloneInTheProgramsFolderThenTheInstalledSkinsFolder) {
    const std::string name = "kestrum-test-" + skinfile::NewGuidText() + ".skin";
    ASSERT_NE(InstalledSkinsFolder(), "");
    EXPECT_EQ(fs::path(InstalledSkinsFolder()).lexically_normal(),
              (fs::path(platform::ExecutableFolder()) / "../share/kestrum-video-converter/skins/")
                  .lexically_normal());
    EXPECT_EQ(FindSkinFile(name), "");
    {
        const PlacedFile installed(InstalledSkinsFolder(), name);
        EXPECT_EQ(FindSkinFile(name), installed.Path());
        EXPECT_EQ(FindSkinFile("/elsewhere/" + name), installed.Path());
        const PlacedFile beside(platform::ExecutableFolder(), name);
        EXPECT_EQ(FindSkinFile(name), beside.Path());
    }
    EXPECT_EQ(FindSkinFile(name), "");
    EXPECT_EQ(FindSkinFile(""), "");
    EXPECT_EQ(FindSkinFile("/tmp/"), "");  // a folder is no skin file
}

}  // namespace
}  // namespace kestrum
