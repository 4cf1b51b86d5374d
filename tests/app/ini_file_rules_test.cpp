// The reading and editing rules of the settings file, the same on every
// system: tables of file contents and what reading or writing them gives.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/core/ini_file.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// A literal with embedded NUL bytes, whole.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

std::optional<std::string> ReadFrom(const std::string& content, const std::string& section,
                                    const std::string& key) {
    TempFolder folder;
    WriteFile(folder / "s.ini", content);
    return IniFile(folder / "s.ini").Read(section, key);
}

struct Case {
    std::string content, section, key;
    std::optional<std::string> value;
};

// Each case's file, read for its section and key.
void ExpectEachReads(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(ReadFrom(c.content, c.section, c.key), c.value) << c.content;
    }
}

TEST(IniFileReading, FollowsTheProfileFileRules) {
    ExpectEachReads({
        {"[Options]\r\nSameInput=1\r\n", "Options", "SameInput", "1"},
        {"[options]\nsameinput=1\n", "Options", "SameInput", "1"},  // ASCII case
        {"[Options]\rA=lone cr\rB=2", "Options", "B", "2"},         // lone CR lines
        {"  [ Options ]  \n  Key  =  spaced value  \n", "Options", "Key", "spaced value"},
        {"[Options]\nK=\"quoted\"\n", "Options", "K", "quoted"},
        {"[Options]\nK='single'\n", "Options", "K", "single"},
        {"[Options]\nK=\"mismatch'\n", "Options", "K", "\"mismatch'"},
        {"[Options]\nK=a=b=c\n", "Options", "K", "a=b=c"},  // first "=" splits
        {"[Options]\n;K=commented\nK=real\n", "Options", "K", "real"},
        {"[Options]\nK=first\nK=second\n", "Options", "K", "first"},           // first key wins
        {"[Options]\nA=1\n[Options]\nK=dup\n", "Options", "K", std::nullopt},  // first section only
        {"[Other]\nK=1\n", "Options", "K", std::nullopt},
        {"K=no section\n", "Options", "K", std::nullopt},
        {"[Opt]ions] trailing\nK=1\n", "Opt]ions", "K", "1"},  // to the last "]"
        {"[Options]\nK=\n", "Options", "K", ""},
        {"[Options]\nnot a key line\nK=1\n", "Options", "K", "1"},
        {"[Options]\n\x01\x02garbage\xff\nK=after garbage\n", "Options", "K", "after garbage"},
        {Bytes("[Options]\nA=x\0y\nK=after nul\n"), "Options", "K", "after nul"},
        {"[]\nK=unnamed section\n", "", "K", "unnamed section"},
        {"[ \t]\nK=blank section\n", "", "K", "blank section"},
        {"", "Options", "K", std::nullopt},
    });
}

TEST(IniFileReading, ABracketWithoutItsCloseStartsNoSection) {
    ExpectEachReads({
        {"[Options]\n[junk\nOutputFormat=MP3 - MPEG Layer-3 Audio\n", "Options", "OutputFormat",
         "MP3 - MPEG Layer-3 Audio"},
        {"[Options]\n[junk\nK=1\n", "junk", "K", std::nullopt},
        {"[Options]\n[junk=1\n", "Options", "[junk", "1"},  // a key line like any other
        {"[Options]\n  [ junk  \r\nK=2\r\n[Other]\nK=3\n", "Options", "K", "2"},
        {"[Other]\n[Options\nK=1\n", "Options", "K", std::nullopt},
    });
}

TEST(IniFileReading, NamesAndValuesEndAtTheirFirstNul) {
    ExpectEachReads({
        {Bytes("[Options]\nK=abc\0def\n"), "Options", "K", "abc"},
        {Bytes("[Options]\nK=\0def\n"), "Options", "K", ""},
        {Bytes("[Options]\nK=\"abc\"\0tail\n"), "Options", "K", "abc"},  // then unquoted
        {Bytes("[Options]\nK=\"ab\0c\"\n"), "Options", "K", "\"ab"},
        {Bytes("[Options]\nK\0junk=v\n"), "Options", "K", "v"},
        {Bytes("[Options]\nK \0junk=v\n"), "Options", "K", std::nullopt},  // "K " is no K
        {Bytes("[Options]\n\0junk=v\n"), "Options", "", "v"},
        {Bytes("[Opt\0ions]\nK=v\n"), "Opt", "K", "v"},
        {Bytes("[Opt\0ions]\nK=v\n"), "Options", "K", std::nullopt},
    });
}

TEST(IniFileReading, OnlySpaceAndTabToCarriageReturnAreTrimmed) {
    ExpectEachReads({
        {"\x01[Options]\nK=1\n", "Options", "K", std::nullopt},  // no header
        {"[Options]\n\x01[Other]\nK=1\n", "Options", "K", "1"},
        {"[Options]\n\x01K=1\n", "Options", "K", std::nullopt},
        {"[Options]\n\x01K=1\n", "Options", "\x01K", "1"},
        {"[Options]\nK=\x01value\x1f\n", "Options", "K", "\x01value\x1f"},
        {"\t\v\f[\tOptions\v]\f\n\tK\v\f= \t value \v\f\n", "Options", "K", "value"},
        {"[Options]\nK=\xa0value\xa0\n", "Options", "K", "\xa0value\xa0"},
    });
}

TEST(IniFileReading, AnEqualsSignFirstNamesTheEmptyKey) {
    ExpectEachReads({
        {"[Options]\n=value\n", "Options", "", "value"},
        {"[Options]\n \t= spaced \n", "Options", "", "spaced"},
        {"[Options]\n=value\nK=1\n", "Options", "K", "1"},
        {"[Options]\nK=1\n", "Options", "", std::nullopt},
        {"[Options]\n=\n", "Options", "", ""},
    });
}

TEST(IniFileReading, LongValuesAreCutAndHugeLinesSurvive) {
    const std::string huge(10 * 1024 * 1024, 'v');
    EXPECT_EQ(ReadFrom("[Options]\nK=" + huge + "\n", "Options", "K"), huge.substr(0, 2047));
    EXPECT_EQ(ReadFrom("[Options]\nJunk" + huge + "\nK=ok\n", "Options", "K"), "ok");
}

TEST(IniFileReading, MissingFileOrFolderReadsAsEmpty) {
    TempFolder folder;
    EXPECT_EQ(IniFile(folder / "absent.ini").Read("Options", "K"), std::nullopt);
    EXPECT_EQ(IniFile(folder.Path()).Read("Options", "K"), std::nullopt);
}

struct WriteCase {
    std::string before;
    std::string key, value;
    std::string after;
};

TEST(IniFileWriting, ChangesOnlyTheLineOfTheKey) {
    const WriteCase cases[] = {
        // In place, other bytes (LF endings, comments, blanks, unknown lines) untouched.
        {"; top\n[A]\nx=1\n\n[Options]\nK=old\n; note\n\njunk line\n[B]\ny=2", "K", "new",
         "; top\n[A]\nx=1\n\n[Options]\nK=new\n; note\n\njunk line\n[B]\ny=2"},
        {"[OPTIONS]\r\n  k = old  \r\n", "K", "v", "[OPTIONS]\r\nK=v\r\n"},
        // A new key goes after the section's last non-blank line.
        {"[Options]\r\nA=1\r\n\r\n[B]\r\n", "K", "v", "[Options]\r\nA=1\r\nK=v\r\n\r\n[B]\r\n"},
        {"[Options]\nA=1", "K", "v", "[Options]\nA=1\r\nK=v\r\n"},
        {"[Options]", "K", "v", "[Options]\r\nK=v\r\n"},
        // A new section goes at the end, after a line break when the file lacks one.
        {"", "K", "v", "[Options]\r\nK=v\r\n"},
        {"[B]\ny=2", "K", "v", "[B]\ny=2\r\n[Options]\r\nK=v\r\n"},
        {"[B]\ny=2\n", "K", "v", "[B]\ny=2\n[Options]\r\nK=v\r\n"},
        // Garbage stays byte for byte.
        {Bytes("\xff\x00\x01\n[Options]\nK=1\n"), "K", "2",
         Bytes("\xff\x00\x01\n[Options]\nK=2\n")},
        // The key is found by the reading rules: past a "[" line without "]",
        // by its name up to a NUL.
        {"[Options]\n[junk\nK=old\n", "K", "new", "[Options]\n[junk\nK=new\n"},
        {Bytes("[Options]\nK\0junk=old\n"), "K", "new", "[Options]\nK=new\n"},
        {"\x01[Options]\nK=old\n", "K", "new", "\x01[Options]\nK=old\n[Options]\r\nK=new\r\n"},
        // Text in any code page is bytes, written as given.
        {"[Options]\r\nK=Caf\xe9\r\nL=x\r\n", "L", "\xe9t\xe9",
         "[Options]\r\nK=Caf\xe9\r\nL=\xe9t\xe9\r\n"},
    };
    for (const WriteCase& c : cases) {
        TempFolder folder;
        if (!c.before.empty()) {
            WriteFile(folder / "s.ini", c.before);
        }
        IniFile file(folder / "s.ini");
        file.Write("Options", c.key, c.value);
        EXPECT_EQ(ReadFile(folder / "s.ini"), c.after) << c.before;
        EXPECT_EQ(IniFile(folder / "s.ini").Read("Options", c.key), c.value);
    }
}

}  // namespace
}  // namespace kestrum
