#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/core/error.h"
#include "app/core/settings_store.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// Points the per-user settings root at a temporary folder for one test.
class SettingsStoreTest : public ::testing::Test {
protected:
    std::string Folder() const { return home_.Path() + "Kestrum/Video Converter/"; }

    TempFolder home_;
    test::ScopedEnvironment configHome_{"XDG_CONFIG_HOME", home_.Path()};
};

TEST_F(SettingsStoreTest, FirstStartGivesTheDefaultsAndCreatesOnlyTheFolder) {
    const Settings s = SettingsStore().Read();
    EXPECT_EQ(s.OutputDirectory, Folder());
    EXPECT_EQ(s.OutputFormat, "");
    EXPECT_FALSE(s.SameInput);
    EXPECT_EQ(s.AnotherFFmpeg, "");
    EXPECT_TRUE(s.NotUseAnotherFFmpeg);
    struct stat st {};
    ASSERT_EQ(::stat(Folder().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_NE(::stat((Folder() + "settings.ini").c_str(), &st), 0)
        << "reading never creates the file";
}

TEST_F(SettingsStoreTest, WritesTheFiveKeysInOrderAndReadsThemBack) {
    Settings s;
    s.OutputDirectory = "/videos/out dir";
    s.OutputFormat = "ffmpeg -i %1 -vn %1.wav";
    s.SameInput = true;
    s.AnotherFFmpeg = "/opt/ff mpeg";
    s.NotUseAnotherFFmpeg = false;
    SettingsStore().Write(s);
    EXPECT_EQ(
        ReadFile(Folder() + "settings.ini"),
        "[Options]\r\nOutputDirectory=/videos/out dir\r\nOutputFormat=ffmpeg -i %1 -vn %1.wav\r\n"
        "SameInput=1\r\nAnotherFFmpeg=/opt/ff mpeg\r\nNotUseAnotherFFmpeg=0\r\n");
    const Settings back = SettingsStore().Read();
    EXPECT_EQ(back.OutputDirectory, s.OutputDirectory);
    EXPECT_EQ(back.OutputFormat, s.OutputFormat);
    EXPECT_TRUE(back.SameInput);
    EXPECT_EQ(back.AnotherFFmpeg, s.AnotherFFmpeg);
    EXPECT_FALSE(back.NotUseAnotherFFmpeg);
}

TEST_F(SettingsStoreTest, OtherKeysAndSectionsSurviveAWrite) {
    SettingsStore().Read();  // creates the folder
    WriteFile(Folder() + "settings.ini",
              "; mine\n[Window]\nLeft=10\n[Options]\nExtra=keep\nSameInput=0\n");
    Settings s;
    s.SameInput = true;
    SettingsStore().Write(s);
    const std::string after = ReadFile(Folder() + "settings.ini");
    EXPECT_EQ(after.substr(0, 47), "; mine\n[Window]\nLeft=10\n[Options]\nExtra=keep\nSa");
    EXPECT_NE(after.find("SameInput=1\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, AReadOnlyFileStopsAtTheFirstKey) {
    SettingsStore().Read();
    const std::string path = Folder() + "settings.ini";
    WriteFile(path, "[Options]\r\nOutputFormat=kept\r\n");
    ::chmod(path.c_str(), 0444);
    EXPECT_THROW(SettingsStore().Write(Settings{}), Error);
    EXPECT_EQ(ReadFile(path), "[Options]\r\nOutputFormat=kept\r\n");
}

TEST_F(SettingsStoreTest, AnUncreatableFolderFallsBackToTheProgramFolder) {
    WriteFile(home_ / "Kestrum", "a file where the folder should be");
    EXPECT_NE(SettingsStore::SettingsFolder(), Folder());
    EXPECT_FALSE(SettingsStore::SettingsFolder().empty());
}

TEST(SettingsBoolean, DecimalHexOrMissing) {
    const std::pair<std::string, std::optional<bool>> cases[] = {
        {"1", true},
        {"0", false},
        {"5", true},
        {"-1", true},
        {"+1", true},
        {"0x1", true},
        {"0X0", false},
        {"0xFFFFFFFF", true},
        {"0x", std::nullopt},
        {"yes", std::nullopt},
        {"", std::nullopt},
        {" 12abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1.0", std::nullopt},
        {"0x1g", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(SettingsStore::ParseBoolean(text), expected) << text;
    }
}

TEST_F(SettingsStoreTest, UnreadableBooleansTakeTheirDefaults) {
    SettingsStore().Read();
    WriteFile(Folder() + "settings.ini", "[Options]\nSameInput=yes\nNotUseAnotherFFmpeg=yes\n");
    Settings s = SettingsStore().Read();
    EXPECT_FALSE(s.SameInput);
    EXPECT_TRUE(s.NotUseAnotherFFmpeg);
    WriteFile(Folder() + "settings.ini", "[Options]\nSameInput=0x1\nNotUseAnotherFFmpeg=0\n");
    s = SettingsStore().Read();
    EXPECT_TRUE(s.SameInput);
    EXPECT_FALSE(s.NotUseAnotherFFmpeg);
}

}  // namespace
}  // namespace kestrum
