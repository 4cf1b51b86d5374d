#include <gtest/gtest.h>

#include <regex>

#include "convert/engine_harness.h"
#include "platform/file_system.h"
#include "profiles/core/profile_catalogue.h"
#include "support/file_size_limit.h"
#include "support/media_clip.h"

namespace kestrum {
namespace {

using namespace test;

struct ProfileCase {
    const char* profile;
    const char* format;  // as ffprobe names it
};

// Debian's ffmpeg converting a generated clip with catalogue profiles it takes
// as they stand, through a folder whose name a shell would choke on.
TEST(FfmpegEndToEnd, ConvertsWithCatalogueProfiles) {
    const ProfileCase cases[] = {
        {"WAV - Waveform Audio", "wav"},
        {"MPEG-1 (*.mpg)", "mpeg"},
        {"Raw DV for PAL Fullscreen", "dv"},
    };
    EngineHarness h;
    const std::string folder = h.Path("it's \"quoted\" $(touch pwned) %1 ;&/");
    ASSERT_TRUE(platform::ForceDirectories(folder));
    const std::string input = folder + "my clip.avi";
    MakeClip(input, 6);
    for (const ProfileCase& c : cases) {
        SCOPED_TRACE(c.profile);
        h.notices.clear();
        h.process->InputFile = input;
        h.process->OutputFile = folder + "my clip" + GetProfileExtension(c.profile);
        h.process->Arguments = GetProfileArguments(c.profile);
        h.process->NotUseAnotherFFmpeg = true;
        h.process->NotifyWindow = &h.sink;
        h.process->Running = true;
        h.process->Start();
        ASSERT_TRUE(h.PumpUntilFinished(120s));

        EXPECT_EQ(h.Finish()->ElapsedText, "some");
        EXPECT_EQ(h.Finish()->Status, 0);
        const std::vector<TProcessInfo> progress = h.Progress();
        ASSERT_FALSE(progress.empty());
        int last = 0;
        for (const TProcessInfo& notice : progress) {
            EXPECT_GE(notice.Percent, last) << "percent only rises";
            last = notice.Percent;
            EXPECT_TRUE(std::regex_match(notice.ElapsedText, std::regex("[0-9]{2,}:[0-5][0-9]")));
            EXPECT_TRUE(std::regex_match(notice.EstimatedText, std::regex("[0-9]{2,}:[0-5][0-9]")));
        }
        // The last position is whole seconds of the clip's 6 (5.96 reads as 5).
        EXPECT_GE(last, 83);
        EXPECT_LE(last, 100);
        const std::string probed = ProbeFormat(h.process->OutputFile);
        EXPECT_EQ(probed.substr(0, probed.find('\n')), std::string("format_name=") + c.format);
        const std::size_t duration = probed.find("duration=");
        ASSERT_NE(duration, std::string::npos) << probed;
        EXPECT_NEAR(std::stod(probed.substr(duration + 9)), 6.0, 0.2);
    }
    EXPECT_FALSE(platform::FileExists("pwned"));
    EXPECT_FALSE(platform::FileExists(h.Path("pwned")));
}

// The second run of the same file: the user's Yes becomes "-y" and ffmpeg
// replaces the file; a No leaves it alone.
TEST(FfmpegEndToEnd, ExistingOutputFollowsTheAnswer) {
    EngineHarness h;
    const std::string input = h.Path("clip.avi");
    MakeClip(input, 2);
    for (bool answer : {true, false}) {
        h.notices.clear();
        h.prompts.answer = answer;
        h.process->InputFile = input;
        h.process->OutputFile = h.Path("clip.wav");
        WriteFile(h.process->OutputFile, "old");
        h.process->Arguments = GetProfileArguments("WAV - Waveform Audio");
        h.process->NotifyWindow = &h.sink;
        h.process->Running = true;
        h.process->Start();
        ASSERT_TRUE(h.PumpUntilFinished(60s));
        EXPECT_EQ(h.Finish()->ElapsedText, answer ? "some" : "");
        EXPECT_EQ(ReadFile(h.process->OutputFile) == "old", !answer);
    }
}

// The disk fills up a third of the way through (a file-size limit of 512 KiB
// on the encoder, which then dies of SIGXFSZ as ffmpeg does): the job fails,
// and neither a truncated output nor the unfinished file stays; an output
// that was there before stays as it was.
TEST(FfmpegEndToEnd, FullDiskLeavesNoTruncatedOutput) {
    EngineHarness h;
    const std::string input = h.Path("long.avi");
    MakeClip(input, 10);
    for (const bool existed : {false, true}) {
        SCOPED_TRACE(existed ? "over an existing output" : "new output");
        h.notices.clear();
        h.process->InputFile = input;
        h.process->OutputFile = h.Path("long.mpg");
        if (existed) {
            WriteFile(h.process->OutputFile, "old");
        }
        h.process->Arguments = GetProfileArguments("MPEG-1 (*.mpg)");
        h.process->Extension = GetProfileExtension("MPEG-1 (*.mpg)");
        h.process->NotifyWindow = &h.sink;
        h.process->Running = true;
        {
            const ScopedFileSizeLimit disk(512 * 1024);
            h.process->Start();
        }
        ASSERT_TRUE(h.PumpUntilFinished(120s));
        EXPECT_EQ(h.Finish()->ElapsedText, "");
        EXPECT_EQ(FolderEntries(h.folder.Path()),
                  existed ? (std::vector<std::string>{"long.avi", "long.mpg"})
                          : std::vector<std::string>{"long.avi"});
        if (existed) {
            EXPECT_EQ(ReadFile(h.process->OutputFile), "old");
        }
    }
}

}  // namespace
}  // namespace kestrum
