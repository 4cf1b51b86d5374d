#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "skin/core/skin_file_reader.h"
#include "skin/core/skin_file_sk2_build.h"
#include "skin/skinpack/skin_folder.h"
#include "skin/skinpack/skin_values.h"
#include "skin_test_files.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using skinfile::Sk2Kind;
using skinpack::FolderContent;
using skinpack::ParseValues;

std::int32_t IntegerOf(const skinfile::Sk2Record& record) {
    Tsk2SkinFileReader reader;
    const std::string data = skinfile::BuildSk2({record});
    reader.ReadData(skinfile::Sk2Bytes(data));
    return reader.Integer(record.name).value_or(-99);
}

TEST(SkinValues, IntegersTakeDecimalAndHexadecimal) {
    const struct {
        const char* value;
        std::int32_t expected;
    } cases[] = {
        {"0", 0},
        {"  42 ", 42},
        {"-1", -1},
        {"-2147483648", -2147483647 - 1},
        {"$FF0000", 0xFF0000},
        {"$ff00000f", -16777201},
        {"0x00e8e8e8", 0xE8E8E8},
        {"4294967295", -1},
    };
    for (const auto& c : cases) {
        const FolderContent content =
            ParseValues(std::string("SKIN2_FORMCOLOR=") + c.value, "values.txt");
        ASSERT_EQ(content.error, "") << c.value;
        ASSERT_EQ(content.records.size(), 1u);
        EXPECT_EQ(content.records[0].kind, Sk2Kind::Integer);
        EXPECT_EQ(IntegerOf(content.records[0]), c.expected) << c.value;
    }
}

TEST(SkinValues, KindsFollowTheTableAndLinesAreChecked) {
    const FolderContent content = ParseValues(
        "# a comment\r\n"
        "; another\n"
        "\n"
        "skin2_buttontrans = Yes\n"
        "SKIN2_CHECKBOXTRANS=false\r\n"
        "SKIN2_TITLEBARBUTTONPOSY=-3\n"
        "AUTHOR= Kestrum artists, 2024 \n"
        "SKIN2_FORMCOLOR=1",
        "values.txt");
    ASSERT_EQ(content.error, "");
    ASSERT_EQ(content.records.size(), 5u);
    EXPECT_EQ(content.records[0].kind, Sk2Kind::Boolean);
    EXPECT_EQ(content.records[0].data, "\1");
    EXPECT_EQ(content.records[1].data, std::string(1, '\0'));
    EXPECT_EQ(content.records[2].kind, Sk2Kind::Integer);
    EXPECT_EQ(content.records[3].kind, Sk2Kind::String);
    EXPECT_EQ(content.records[3].data, " Kestrum artists, 2024 ");  // strings are kept as written
    EXPECT_EQ(content.records[4].name, "SKIN2_FORMCOLOR");

    const struct {
        const char* text;
        const char* error;
    } bad[] = {
        {"SKIN2_FORMCOLOR", "values.txt:1: expected NAME=VALUE"},
        {"\nSKIN2_FORMCOLOR=blue", "values.txt:2: SKIN2_FORMCOLOR: not a 32-bit integer: blue"},
        {"SKIN2_FORMCOLOR=4294967296",
         "values.txt:1: SKIN2_FORMCOLOR: not a 32-bit integer: 4294967296"},
        {"SKIN2_FORMCOLOR=-2147483649",
         "values.txt:1: SKIN2_FORMCOLOR: not a 32-bit integer: -2147483649"},
        {"SKIN2_FORMCOLOR=$", "values.txt:1: SKIN2_FORMCOLOR: not a 32-bit integer: $"},
        {"SKIN2_BUTTONTRANS=maybe", "values.txt:1: SKIN2_BUTTONTRANS: not true or false: maybe"},
        {"SKIN2_BUTTON=x.bmp",
         "values.txt:1: SKIN2_BUTTON is a bitmap: give it as the file SKIN2_BUTTON.bmp"},
        {"=value", "values.txt:1: an entry has no name"},
        {"A234567890123456789012345678901234567890123456789012345678901234=x",
         "values.txt:1: A234567890123456789012345678901234567890123456789012345678901234: names "
         "are at most 63 characters"},
    };
    for (const auto& c : bad) {
        EXPECT_EQ(ParseValues(c.text, "values.txt").error, c.error) << c.text;
    }
}

class SkinPack : public ::testing::Test {
protected:
    test::ProgramResult Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), KESTRUM_SKINPACK_PATH);
        return test::RunProgram(arguments, {"TMPDIR=" + temporary_.Path()});
    }
    void Bitmap(const std::string& name, const std::string& body = "pixels") {
        test::WriteFile(folder_ / (name + ".bmp"), "BM" + body);
    }
    test::TempFolder folder_;
    test::TempFolder output_;
    test::TempFolder temporary_;
};

TEST_F(SkinPack, PacksAFolderAndListsIt) {
    Bitmap("SKIN2_CHECKBOX", "check box strip");
    Bitmap("SKIN2_BUTTON");
    Bitmap("EXTRA");
    test::WriteFile(folder_ / "skin.txt",
                    "AUTHOR=me\nSKIN2_BUTTONTRANS=true\nSKIN2_FORMCOLOR=$E8E8E8\n");
    test::WriteFile(folder_ / "README", "ignored");
    const std::string skin = output_ / "my skin.skin";

    test::ProgramResult r = Run({folder_.Path(), skin});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    r = Run({"--list", skin});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out,
              "SKIN2_FORMCOLOR                    integer  4\n"
              "SKIN2_BUTTON                       bitmap   8\n"
              "SKIN2_CHECKBOX                     bitmap   17\n"
              "SKIN2_BUTTONTRANS                  boolean  1\n"
              "AUTHOR                             string   2\n"
              "EXTRA                              bitmap   8\n");
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(std::filesystem::is_empty(temporary_.Path()));
}

TEST_F(SkinPack, PasswordProtectedSkins) {
    Bitmap("SKIN2_BUTTON");
    const std::string skin = output_ / "locked.skin";
    ASSERT_EQ(Run({folder_.Path(), skin, "--password", "pa ss"}).exitStatus, 0);

    test::ProgramResult r = Run({"--list", skin, "--password=pa ss"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out, "SKIN2_BUTTON                       bitmap   8\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--list", skin}, {"--list", skin, "--password", "pass"}}) {
        r = Run(args);
        EXPECT_EQ(r.exitStatus, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "kestrum-skinpack: " + skin + ": Failed to read skin file!\n");
    }
}

TEST_F(SkinPack, RefusesWhatItCannotPack) {
    const struct {
        const char* what;
        std::function<void(test::TempFolder&)> setUp;
        const char* error;
    } cases[] = {
        {"not a BMP", [](test::TempFolder& f) { test::WriteFile(f / "SKIN2_BUTTON.bmp", "PNG"); },
         "SKIN2_BUTTON.bmp: not a BMP file"},
        {"a bitmap under a colour's name",
         [](test::TempFolder& f) { test::WriteFile(f / "SKIN2_FORMCOLOR.bmp", "BM"); },
         "SKIN2_FORMCOLOR.bmp: SKIN2_FORMCOLOR is not a bitmap: give it in the text file"},
        {"two text files",
         [](test::TempFolder& f) {
             test::WriteFile(f / "a.txt", "");
             test::WriteFile(f / "b.txt", "");
         },
         "more than one text file of values"},
        {"the same name twice",
         [](test::TempFolder& f) {
             test::WriteFile(f / "Logo.bmp", "BM");
             test::WriteFile(f / "v.txt", "LOGO=text");
         },
         "given more than once"},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        c.setUp(folder);
        const std::string skin = output_ / "out.skin";
        const test::ProgramResult r = Run({folder.Path(), skin});
        EXPECT_EQ(r.exitStatus, 1) << c.what;
        EXPECT_NE(r.err.find(c.error), std::string::npos) << c.what << ": " << r.err;
        EXPECT_FALSE(std::filesystem::exists(skin)) << c.what;
    }
    const test::ProgramResult missing = Run({folder_ / "nowhere", output_ / "out.skin"});
    EXPECT_EQ(missing.exitStatus, 1);
}

TEST_F(SkinPack, UsageErrors) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"only-one"},
                                                 {"a", "b", "c"},
                                                 {"--list"},
                                                 {"--list", "a", "b"},
                                                 {"a", "b", "--password"},
                                                 {"--frobnicate", "a", "b"}}) {
        const test::ProgramResult r = Run(args);
        EXPECT_EQ(r.exitStatus, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
    }
    const test::ProgramResult help = Run({"--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.out.find("kestrum-skinpack --list FILE"), std::string::npos);

    const test::ProgramResult notSkin = Run({"--list", folder_ / "missing.skin"});
    EXPECT_EQ(notSkin.exitStatus, 1);
    EXPECT_NE(notSkin.err.find("The skin file does not exist."), std::string::npos);
}

}  // namespace
}  // namespace kestrum
