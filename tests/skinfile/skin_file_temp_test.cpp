#include <gtest/gtest.h>

#include <sys/stat.h>
#include <regex>
#include <set>

#include "skin/core/file_theme_names.h"
#include "skin/core/skin_file_temp.h"
#include "skin_test_files.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using skinfile::TemporaryDataFile;

TEST(SkinTemporaryFile, NamedByANewGuid) {
    const std::regex guid(
        "\\{[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\\}");
    std::set<std::string> seen;
    for (int i = 0; i < 100; ++i) {
        const std::string text = skinfile::NewGuidText();
        EXPECT_TRUE(std::regex_match(text, guid)) << text;
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 100u);
}

TEST(SkinTemporaryFile, PrivateToTheUserAndRemovedWhenDone) {
    test::OwnTemporaryFolder temporary;
    std::string path;
    {
        const auto file = TemporaryDataFile::Create();
        ASSERT_NE(file, nullptr);
        path = file->Path();
        EXPECT_EQ(path.rfind(temporary.Path(), 0), 0u) << path;
        struct stat st {};
        ASSERT_EQ(::lstat(path.c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0600u);

        ASSERT_TRUE(file->Append("0123456789", 10));
        EXPECT_EQ(file->Size(), 10u);
        char part[4] = {};
        EXPECT_TRUE(file->ReadAt(6, 4, part));
        EXPECT_EQ(std::string(part, 4), "6789");
        EXPECT_FALSE(file->ReadAt(7, 4, part));
        EXPECT_FALSE(file->ReadAt(~0ull, 1, part));
    }
    EXPECT_TRUE(temporary.IsEmpty());
}

TEST(SkinTemporaryFile, FallsBackToTmpForUnusableSettings) {
    for (const char* value : {"", "relative/folder", "/no/such/folder"}) {
        test::OwnTemporaryFolder temporary;
        ::setenv("TMPDIR", value, 1);
        EXPECT_EQ(skinfile::TemporaryFolder(), "/tmp/") << value;
    }
}

TEST(FileThemeNames, EightyFourDistinctNamesInTheirGroups) {
    const std::set<std::string_view> distinct(kFileThemeEntryNames.begin(),
                                              kFileThemeEntryNames.end());
    EXPECT_EQ(distinct.size(), 84u);
    EXPECT_EQ(distinct.count(""), 0u);
    const struct {
        int position;
        const char* name;
        skinfile::Sk2Kind kind;
    } anchors[] = {
        {0, "SKIN2_TRANSCOLOR", skinfile::Sk2Kind::Integer},
        {24, "SKIN2_BUTTONFONTCOLOR", skinfile::Sk2Kind::Integer},
        {31, "SKIN2_SIDECHANNELBORDERCOLOR", skinfile::Sk2Kind::Integer},
        {32 + 15, "SKIN2_BUTTON", skinfile::Sk2Kind::Bitmap},
        {32 + 16, "SKIN2_CHECKBOX", skinfile::Sk2Kind::Bitmap},
        {32 + 19, "SKIN2_PROGRESSBAR1", skinfile::Sk2Kind::Bitmap},
        {32 + 22, "SKIN2_PROGRESSBAR4", skinfile::Sk2Kind::Bitmap},
        {65, "SKIN2_SCROLLBUTTON", skinfile::Sk2Kind::Bitmap},
        {66, "SKIN2_TITLEBARICONPOSX", skinfile::Sk2Kind::Integer},
        {74, "SKIN2_BOTTOMREGIONMAXY", skinfile::Sk2Kind::Integer},
        {75 + 5, "SKIN2_BUTTONTRANS", skinfile::Sk2Kind::Boolean},
        {83, "SKIN2_TABCONTROLTRANS", skinfile::Sk2Kind::Boolean},
    };
    for (const auto& a : anchors) {
        EXPECT_EQ(FileThemeEntryName(a.position), a.name);
        EXPECT_EQ(FileThemeEntryKind(a.name), a.kind) << a.name;
    }
    EXPECT_EQ(FileThemeEntryKind("skin2_Button"), skinfile::Sk2Kind::Bitmap);
    EXPECT_EQ(FileThemeEntryKind("AUTHOR"), std::nullopt);
    EXPECT_EQ(FileThemeEntryName(-1), "");
    EXPECT_EQ(FileThemeEntryName(84), "");
}

}  // namespace
}  // namespace kestrum
