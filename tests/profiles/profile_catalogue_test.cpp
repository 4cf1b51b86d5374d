#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "profiles/core/manual_command.h"
#include "profiles/core/profile_catalogue.h"

namespace kestrum {
namespace {

const ProfileEntry& Row(int position) {
    return AllProfiles()[static_cast<std::size_t>(position - 1)];
}

TEST(ProfileCatalogue, GroupsAndCountsInMenuOrder) {
    const std::vector<std::pair<std::string, int>> expected{{"General Audio Format", 6},
                                                            {"General Video Format", 8},
                                                            {"3GP Video", 4},
                                                            {"Apple iPad", 4},
                                                            {"Apple iPhone", 3},
                                                            {"Apple iPod", 13},
                                                            {"Apple TV", 3},
                                                            {"AVI", 4},
                                                            {"BlackBerry", 3},
                                                            {"Creative Zen", 2},
                                                            {"DV", 2},
                                                            {"DVD", 10},
                                                            {"Flash Video Movie (*.flv)", 3},
                                                            {"Google Android", 2},
                                                            {"MP4 Mobile Phones", 5},
                                                            {"Nokia", 5},
                                                            {"Palm", 2},
                                                            {"Quicktime (*.mov)", 4},
                                                            {"ShockwaveFlash (*.swf)", 3},
                                                            {"Sony Bravia", 4},
                                                            {"Sony PS3", 2},
                                                            {"Sony PSP", 3},
                                                            {"Sony Walkman", 1},
                                                            {"VCD", 2},
                                                            {"WMV", 5}};
    ASSERT_EQ(AllProfileGroups().size(), expected.size());
    int next = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ProfileGroupRow& group = AllProfileGroups()[i];
        EXPECT_EQ(group.caption, expected[i].first);
        EXPECT_EQ(group.count, expected[i].second) << group.caption;
        EXPECT_EQ(group.first, next) << "groups cover the rows in order without gaps";
        next += group.count;
    }
    EXPECT_EQ(next, 103);
    EXPECT_EQ(AllProfiles().size(), 103u);
}

TEST(ProfileCatalogue, EveryRowKeepsTheStatedForm) {
    const std::regex extension("\\.[a-z0-9]{2,3}");
    std::set<std::string_view> captions;
    std::map<std::string_view, int> extensionCounts;
    for (const ProfileEntry& entry : AllProfiles()) {
        EXPECT_TRUE(captions.insert(entry.caption).second) << "duplicate " << entry.caption;
        EXPECT_GE(entry.caption.size(), 4u);
        EXPECT_LE(entry.caption.size(), 68u);
        EXPECT_NE(entry.caption.back(), ' ') << entry.caption;
        EXPECT_FALSE(StartsLikeManualCommand(entry.caption)) << entry.caption;
        EXPECT_GE(entry.arguments.size(), 20u) << entry.caption;
        EXPECT_LE(entry.arguments.size(), 417u) << entry.caption;
        ASSERT_GE(entry.arguments.size(), 2u);
        EXPECT_EQ(entry.arguments.back(), ' ') << entry.caption;
        EXPECT_NE(entry.arguments[entry.arguments.size() - 2], ' ') << entry.caption;
        EXPECT_TRUE(std::regex_match(std::string(entry.extension), extension)) << entry.caption;
        ++extensionCounts[entry.extension];
    }
    const std::map<std::string_view, int> expectedCounts{
        {".mp4", 48}, {".mpg", 18}, {".avi", 7}, {".wmv", 6}, {".mov", 5},
        {".3gp", 4},  {".flv", 4},  {".swf", 3}, {".dv", 2},  {".ac3", 1},
        {".m4a", 1},  {".mp3", 1},  {".ogg", 1}, {".wav", 1}, {".wma", 1}};
    EXPECT_EQ(extensionCounts, expectedCounts);
}

TEST(ProfileCatalogue, DoubleSpacesStayWhereTheyAre) {
    std::set<int> rowsWithDoubleSpace;
    for (int position = 1; position <= 103; ++position) {
        if (Row(position).arguments.find("  ") != std::string_view::npos) {
            rowsWithDoubleSpace.insert(position);
        }
    }
    EXPECT_EQ(rowsWithDoubleSpace,
              (std::set<int>{6, 14, 49, 50, 58, 73, 91, 92, 99, 100, 101, 102, 103}));
    EXPECT_NE(Row(6).arguments.find("-vn  -acodec"), std::string_view::npos);
    EXPECT_NE(Row(49).arguments.find("-b 1500k  -acodec"), std::string_view::npos);
    EXPECT_NE(Row(58).arguments.find("-s 352x576  -aspect"), std::string_view::npos);
    EXPECT_NE(Row(91).arguments.find("-deblockbeta 0  -maxrate"), std::string_view::npos);
}

TEST(ProfileCatalogue, RowsSharingArgumentsAreSeparateRowsWithEqualValues) {
    for (const std::vector<int>& same : std::vector<std::vector<int>>{
             {14, 99}, {24, 28, 47}, {25, 29, 32, 35, 48}, {30, 33}, {31, 34}}) {
        for (int position : same) {
            EXPECT_EQ(Row(position).arguments, Row(same[0]).arguments) << position;
        }
    }
}

TEST(ProfileCatalogue, SampleRowsExactly) {
    struct Sample {
        int position;
        std::string_view caption, arguments, extension;
    };
    const Sample samples[] = {
        {1, "AC3 - Dolby Digital AC-3", "-f ac3 -acodec ac3 -ab 192kb -ar 48000 -ac 2 ", ".ac3"},
        {4, "OGG - Ogg Vobis Audio", "-acodec vorbis -aq 60 -vn -ac 2 ", ".ogg"},
        {16, "3GP - Mobile Standart Quality (H263, 12 fps, 176x144; AAC)",
         "-r 12 -b 160kb -ac 1 -s 176x144 -ar 8000 -ab 12200 -acodec libfaac -vcodec h263 ",
         ".3gp"},
        {52, "Raw DV for PAL Fullscreen", "-target pal-dv -aspect 4:3 -f dv ", ".dv"},
        {68, "High Resolution (MPEG4, 25 fps, 640x360, 1Mit; AAC)",
         "-vcodec mpeg4 -acodec libfaac -s 640x360 -r 25 -b 1000kb -ar 48000 -ab 192kb -ac 2 ",
         ".mp4"},
        {103, "Power Point",
         "-vcodec wmv2  -acodec wmav2 -aspect 4:3 -b 500k -ab 32k -ac 1 -ar 22050 -s 320x240 ",
         ".wmv"},
    };
    for (const Sample& s : samples) {
        EXPECT_EQ(Row(s.position).caption, s.caption);
        EXPECT_EQ(Row(s.position).arguments, s.arguments);
        EXPECT_EQ(Row(s.position).extension, s.extension);
    }
}

struct LookupCase {
    std::string caption;
    std::string arguments;
    std::string extension;
};

TEST(ProfileLookup, CataloguedManualAndUnknownCaptions) {
    const LookupCase cases[] = {
        {"MP3 - MPEG Layer-3 Audio", "-vn -acodec libmp3lame -ab 128kb -ac 2 -ar 44100 ", ".mp3"},
        {"WMV2 Generic", "-vcodec wmv2  -acodec wmav2 -b 1000kb -ab 160kb -r 25 ", ".wmv"},
        {"3GP - Mobile Standart Quality (H263, 12 fps, 176x144; AAC)",
         "-r 12 -b 160kb -ac 1 -s 176x144 -ar 8000 -ab 12200 -acodec libfaac -vcodec h263 ",
         ".3gp"},
        // Known captions only match exactly.
        {"3GP - Mobile Standard Quality (H263, 12 fps, 176x144; AAC)", "", ""},
        {"mp3 - mpeg layer-3 audio", "", ""},
        {"MP3 - MPEG Layer-3 Audio ", "", ""},
        {"", "", ""},
        // Manual commands.
        {"ffmpeg -i %1 -s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 %1.mov",
         "-s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 ", ".mov"},
        {"FFMPEG -i %1 -vn %1.wav", "-vn ", ".wav"},
        {"FfMpEg -i %1 -vn %1.wav", "-vn ", ".wav"},
        {"ffmpeg -i %1  %1.mkv", " ", ".mkv"},
        {"ffmpeg -i %1 %1.mkv", "", ".mkv"},
        // Only the first "%1." counts; the extension runs to the end.
        {"ffmpeg -i %1 -metadata a=%1.x %1.mp4", "-metadata a=", ".x %1.mp4"},
        // The first 13 characters are skipped whatever they are.
        {"ffmpegXXXXXXX-vn %1.ogg", "-vn ", ".ogg"},
        // "ffmpeg" without "%1." is unknown, not a command with a strange extension.
        {"ffmpeg -i input.avi out.mp4", "", ""},
        {"ffmpeg", "", ""},
    };
    for (const LookupCase& c : cases) {
        EXPECT_EQ(GetProfileArguments(c.caption), c.arguments) << c.caption;
        EXPECT_EQ(GetProfileExtension(c.caption), c.extension) << c.caption;
    }
}

TEST(ManualCommand, DialogFieldsAndPreviewRoundTrip) {
    const std::string stored =
        "ffmpeg -i %1 -s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 %1.mov";
    const auto fields = ManualCommandEditFields(stored);
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->commandLine, "-s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1");
    EXPECT_EQ(fields->extension, "mov");
    EXPECT_EQ(ComposeManualCommand(fields->commandLine, fields->extension), stored);

    EXPECT_EQ(ComposeManualCommand("-vn", ".mp3"), "ffmpeg -i %1 -vn %1..mp3");
    EXPECT_FALSE(ManualCommandEditFields("MP3 - MPEG Layer-3 Audio"));
    EXPECT_FALSE(ManualCommandEditFields("ffmpeg without marker"));
    const auto empty = ManualCommandEditFields("ffmpeg -i %1  %1.wav");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->commandLine, "");
    EXPECT_EQ(empty->extension, "wav");
}

}  // namespace
}  // namespace kestrum
