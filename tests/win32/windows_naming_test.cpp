#include <gtest/gtest.h>

#include "platform/program_image_win32.h"
#include "profiles/core/command_line.h"
#include "profiles/core/output_name.h"
#include "profiles/core/profile_catalogue.h"

namespace kestrum {
namespace {

struct NamingCase {
    std::string input;
    bool sameAsInput;
    std::string folder;
    std::string extension;
    std::string output;
};

// Output names with Windows paths: "\" and ":" end a folder part.
TEST(WindowsOutputName, BesideTheInputOrInTheFolder) {
    const NamingCase cases[] = {
        {"C:\\Clips\\my clip.avi", false, "D:\\Out", ".mp3", "D:\\Out\\my clip.mp3"},
        {"C:\\Clips\\my clip.avi", false, "D:\\Out\\", ".mp3", "D:\\Out\\my clip.mp3"},
        // A drive root already ends with "\": no second one.
        {"C:\\Clips\\my clip.avi", false, "D:\\", ".mp3", "D:\\my clip.mp3"},
        {"C:\\Clips\\my clip.avi", true, "D:\\Ignored", ".mp3", "C:\\Clips\\my clip.mp3"},
        // A drive-relative input: the colon ends the folder part too.
        {"C:clip.avi", false, "D:\\Out", ".wav", "D:\\Out\\clip.wav"},
        {"C:clip", true, "", ".wav", "C:clip.wav"},
        {"C:\\Clips\\noext", false, "D:\\Out", ".mp4", "D:\\Out\\noext.mp4"},
        {"C:\\Clips.v2\\noext", true, "", ".mp4", "C:\\Clips.v2\\noext.mp4"},
        {"C:\\Clips.v2\\noext", false, "D:\\Out.d", ".mp4", "D:\\Out.d\\noext.mp4"},
        {"C:\\c\\clip.part1.avi", false, "D:\\Out", ".mp3", "D:\\Out\\clip.part1.mp3"},
        {"C:\\c\\clip.avi", false, "D:\\Out", "", "D:\\Out\\clip"},
        {"C:\\c\\clip.", true, "", ".wav", "C:\\c\\clip.wav"},
        // A network share.
        {"\\\\server\\share\\a.avi", false, "\\\\server\\out", ".mp3", "\\\\server\\out\\a.mp3"},
        // Forward slashes are no separators of ours: the name runs to the last "\".
        {"C:\\a/b.avi", false, "D:\\Out", ".mp3", "D:\\Out\\a/b.mp3"},
    };
    for (const NamingCase& c : cases) {
        EXPECT_EQ(OutputFileFor(c.input, c.sameAsInput, c.folder, c.extension), c.output)
            << c.input;
    }
}

TEST(WindowsOutputName, PathPieces) {
    EXPECT_EQ(ExtractFileName("C:\\a\\b\\c.avi"), "c.avi");
    EXPECT_EQ(ExtractFileName("C:c.avi"), "c.avi");
    EXPECT_EQ(ExtractFilePath("C:\\a\\b\\c.avi"), "C:\\a\\b\\");
    EXPECT_EQ(ExtractFilePath("C:c.avi"), "C:");
    EXPECT_EQ(IncludeTrailingSeparator("D:\\Out"), "D:\\Out\\");
    EXPECT_EQ(IncludeTrailingSeparator("D:\\"), "D:\\");
}

TEST(WindowsCommandLine, TheWorkedExample) {
    const std::string profile = "MP3 - MPEG Layer-3 Audio";
    CommandPieces pieces;
    pieces.InputFile = "C:\\Clips\\my clip.avi";
    pieces.OutputFile =
        OutputFileFor(pieces.InputFile, false, "D:\\Out", GetProfileExtension(profile));
    pieces.Arguments = GetProfileArguments(profile);
    EXPECT_EQ(pieces.OutputFile, "D:\\Out\\my clip.mp3");
    EXPECT_EQ(
        ComposeCommandLine(pieces),
        "ffmpeg -i \"C:\\Clips\\my clip.avi\" -vn -acodec libmp3lame -ab 128kb -ac 2 -ar 44100 "
        "\"D:\\Out\\my clip.mp3\"");
    pieces.Overwrite = true;
    pieces.NotUseAnotherFFmpeg = false;
    pieces.AnotherFFmpeg = "C:\\Program Files\\ffmpeg\\ffmpeg.exe";
    EXPECT_EQ(ComposeCommandLine(pieces).substr(0, 46),
              "\"C:\\Program Files\\ffmpeg\\ffmpeg.exe\" -y -i \"C:");
    EXPECT_EQ(platform::win32::ProgramOfCommandLine(ComposeCommandLine(pieces)),
              "C:\\Program Files\\ffmpeg\\ffmpeg.exe");
    pieces.NotUseAnotherFFmpeg = true;
    EXPECT_EQ(platform::win32::ProgramOfCommandLine(ComposeCommandLine(pieces)), "ffmpeg");
}

// The quoting used for the encoder probe: the C runtime's split gives back
// exactly the arguments, whatever they hold.
TEST(WindowsCommandLine, QuotedArgumentsSplitBackWhole) {
    using Argv = std::vector<std::string>;
    const Argv cases[] = {
        {"C:\\Program Files\\ffmpeg.exe", "-hide_banner", "-version"},
        {"a", "", "b c", "tab\there"},
        {"quote\"inside", "ends with\\", "ends\\\\", "\\\"both\\\""},
        {"%1", "$(x)", "\xe9\xff latin1"},
    };
    for (const Argv& argv : cases) {
        EXPECT_EQ(SplitArgumentsLikeCrt(platform::win32::QuoteCommandLine(argv)), argv)
            << platform::win32::QuoteCommandLine(argv);
    }
}

}  // namespace
}  // namespace kestrum
