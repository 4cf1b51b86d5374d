#include <gtest/gtest.h>

#include "platform/program_image_win32.h"
#include "platform/quote_command_line.h"
#include "profiles/core/command_line.h"
#include "profiles/core/output_name.h"
#include "profiles/core/profile_catalogue.h"

namespace kestrum {
namespace {

// The worked example: the output name and the command line exactly as the
// encoder gets them on Windows.
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
        EXPECT_EQ(SplitArgumentsLikeCrt(platform::QuoteCommandLine(argv)), argv)
            << platform::QuoteCommandLine(argv);
    }
}

}  // namespace
}  // namespace kestrum
