// What writing the settings file does on POSIX systems: permissions, refusals
// and links.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>

#include "app/core/error.h"
#include "app/core/ini_file.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

TEST(IniFileWriting, RefusesWithoutTouchingTheFile) {
    TempFolder folder;
    const std::string path = folder / "s.ini";
    WriteFile(path, "[Options]\nK=1\n");
    ::chmod(path.c_str(), 0444);
    IniFile readOnly(path);
    EXPECT_THROW(readOnly.Write("Options", "K", "2"), Error);
    EXPECT_EQ(ReadFile(path), "[Options]\nK=1\n");

    ::chmod(path.c_str(), 0644);
    IniFile file(path);
    EXPECT_THROW(file.Write("Options", "K", "two\nlines"), Error);
    EXPECT_EQ(ReadFile(path), "[Options]\nK=1\n");

    IniFile directory(folder.Path());
    EXPECT_THROW(directory.Write("Options", "K", "2"), Error);

    IniFile noFolder(folder / "missing/s.ini");
    EXPECT_THROW(noFolder.Write("Options", "K", "2"), Error);
}

TEST(IniFileWriting, KeepsPermissionsAndLeavesNoTemporaryFiles) {
    TempFolder folder;
    const std::string path = folder / "s.ini";
    WriteFile(path, "[Options]\n");
    ::chmod(path.c_str(), 0640);
    IniFile(path).Write("Options", "K", "v");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(IniFileWriting, FollowsASymbolicLink) {
    TempFolder folder;
    WriteFile(folder / "real.ini", "[Options]\nK=1\n");
    ASSERT_EQ(::symlink((folder / "real.ini").c_str(), (folder / "link.ini").c_str()), 0);
    IniFile(folder / "link.ini").Write("Options", "K", "2");
    EXPECT_EQ(ReadFile(folder / "real.ini"), "[Options]\nK=2\n");
    struct stat st {};
    ASSERT_EQ(::lstat((folder / "link.ini").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

}  // namespace
}  // namespace kestrum
