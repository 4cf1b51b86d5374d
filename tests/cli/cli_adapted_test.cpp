#include <gtest/gtest.h>

#include <sys/stat.h>
#include <algorithm>
#include <filesystem>

#include "cli/kestrum_convert_fixture.h"
#include "convert/core/encoder_probe_cache.h"
#include "support/media_clip.h"

namespace kestrum {
namespace {

// --print-command against fake encoder programs on a search path of the
// test's own: "adapted:" shows what a modern build will really run.
class PrintAdapted : public test::KestrumConvert {
protected:
    PrintAdapted() { searchPath_ = files_.Path(); }

    // A fake encoder answering the probe as `version`, listing `encoders`,
    // after `delay`; each run is logged beside it.
    std::string FakeEncoder(const std::string& name, const std::string& version,
                            const std::string& encoders, const std::string& delay = "0") {
        const std::string path = files_ / name;
        test::WriteFile(path, "#!/bin/sh\necho \"$1\" >> \"$0.runs\"\nsleep " + delay +
                                  "\necho 'ffmpeg version " + version +
                                  " Copyright' >&2\nprintf ' ------\\n" + encoders + "'\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }
    static int Runs(const std::string& encoder) {
        const std::string log = test::ReadFile(encoder + ".runs");
        return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
    }
    std::string Print(const std::string& profile, std::vector<std::string> extra = {}) {
        std::vector<std::string> arguments{"--print-command", "--profile", profile,
                                           "--output-folder", "/out"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        arguments.emplace_back("/in/my clip.avi");
        const test::ProgramResult r = Run(arguments);
        EXPECT_EQ(r.exitStatus, 0) << r.err;
        return r.out;
    }

    static constexpr const char* kFullList =
        " A..... libmp3lame mp3\\n A..... aac aac\\n V..... libx264 h264\\n V..... mpeg4 m\\n";
};

// kestrum-convert with the encoder the search path finds: Debian's ffmpeg.
using KestrumConvertWithFfmpeg = test::KestrumConvert;

TEST_F(PrintAdapted, AddsTheAdaptedLineOnlyWhereArgumentsChange) {
    FakeEncoder("ffmpeg", "5.1.2", kFullList);
    EXPECT_EQ(Print("MP3 - MPEG Layer-3 Audio"),
              "output: /out/my clip.mp3\n"
              "command: ffmpeg -i \"/in/my clip.avi\" -vn -acodec libmp3lame -ab 128kb -ac 2 "
              "-ar 44100 \"/out/my clip.mp3\"\n"
              "adapted: ffmpeg -i \"/in/my clip.avi\" -vn -acodec libmp3lame -b:a 128k -ac 2 "
              "-ar 44100 \"/out/my clip.mp3\"\n");
    EXPECT_EQ(Print("WAV - Waveform Audio"),
              "output: /out/my clip.wav\n"
              "command: ffmpeg -i \"/in/my clip.avi\" -vn -ac 2 -ar 44100 \"/out/my clip.wav\"\n");
    EXPECT_EQ(Print("ffmpeg -i %1 -s 320x240 -b 50k -ab 56k %1.mov"),
              "output: /out/my clip.mov\n"
              "command: ffmpeg -i \"/in/my clip.avi\" -s 320x240 -b 50k -ab 56k "
              "\"/out/my clip.mov\"\n"
              "adapted: ffmpeg -i \"/in/my clip.avi\" -s 320x240 -b:v 50k -b:a 56k -c:v mpeg4 "
              "\"/out/my clip.mov\"\n");
}

TEST_F(PrintAdapted, ProbesTheEncoderTheBatchWouldRun) {
    // The bare name finds an old build on the search path: nothing is adapted.
    FakeEncoder("ffmpeg", "0.6.1, Copyright", "");
    const std::string modern = FakeEncoder("modern ffmpeg $1", "6.0", kFullList);
    const std::string mp3 = "MP3 - MPEG Layer-3 Audio";
    EXPECT_EQ(Print(mp3).find("adapted:"), std::string::npos);

    const std::string viaPath = Print(mp3, {"--encoder", modern});
    EXPECT_NE(viaPath.find("command: \"" + modern + "\" -i"), std::string::npos) << viaPath;
    EXPECT_NE(viaPath.find("adapted: \"" + modern +
                           "\" -i \"/in/my clip.avi\" -vn -acodec "
                           "libmp3lame -b:a 128k"),
              std::string::npos)
        << viaPath;
}

// Runs of the program ask an encoder once, and keep the answer for later
// runs; two runs asking at the same time leave one sound cache file.
TEST_F(PrintAdapted, TheAnswerIsKeptForLaterRunsEvenWhenTwoAskAtOnce) {
    const std::string encoder = FakeEncoder("ffmpeg", "5.1.2", kFullList, "0.3");
    platform::FileIdentity program;
    ASSERT_TRUE(platform::IdentifyFile(encoder, program));
    const std::vector<std::string> arguments{
        "--print-command", "--profile", "MP3 - MPEG Layer-3 Audio",
        "--output-folder", "/out",      "/in/a.avi"};
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        std::filesystem::remove_all(cache_.Path());
        std::filesystem::remove(encoder + ".runs");
        auto first = Launch(arguments);
        auto second = Launch(arguments);
        for (auto* run : {first.get(), second.get()}) {
            const test::ProgramResult r = run->Finish();
            EXPECT_EQ(r.exitStatus, 0) << r.err;
            EXPECT_NE(r.out.find("adapted: ffmpeg"), std::string::npos) << r.out;
        }
        const std::vector<std::filesystem::path> kept{
            std::filesystem::directory_iterator(cache_.Path() + "kestrum"), {}};
        ASSERT_EQ(kept.size(), 1U) << "one file, no temporary left";
        const std::optional<EncoderCapabilities> answer =
            ReadProbeCacheText(test::ReadFile(kept[0]), program);
        ASSERT_TRUE(answer);
        EXPECT_TRUE(answer->HasEncoder("libmp3lame"));
        const int asked = Runs(encoder);
        EXPECT_GE(asked, 1);
        EXPECT_LE(asked, 2);
        EXPECT_NE(Print("MP3 - MPEG Layer-3 Audio").find("adapted:"), std::string::npos);
        EXPECT_EQ(Runs(encoder), asked) << "a later run asks nobody";
    }
}

TEST_F(PrintAdapted, H264WithoutLibx264IsRefused) {
    FakeEncoder("ffmpeg", "5.1.2", " A..... aac aac\\n V..... mpeg4 m\\n");
    const std::string out = Print("H.264 (*.mp4)");
    EXPECT_EQ(out.substr(out.find('\n', out.find("command:"))),
              "\nrefused: H.264 (*.mp4) needs the H.264 encoder libx264, which this ffmpeg does "
              "not have.\n");
}

TEST_F(PrintAdapted, SaysWhatTheAdapterDroppedOrApproximatedOnce) {
    FakeEncoder("ffmpeg", "5.1.2", kFullList);
    const std::string printed = Print("ffmpeg -i %1 -sameq -re %1.avi", {"/in/other.avi"});
    EXPECT_EQ(printed,
              "note: -sameq: today's encoders cannot reuse the source's quantisers; a fixed high "
              "quality (-q:v 2) is used instead\n"
              "note: -re is dropped: it only slowed reading the input down to its frame rate\n"
              "output: /out/other.avi\n"
              "command: ffmpeg -i \"/in/other.avi\" -sameq -re \"/out/other.avi\"\n"
              "adapted: ffmpeg -i \"/in/other.avi\" -q:v 2 \"/out/other.avi\"\n"
              "output: /out/my clip.avi\n"
              "command: ffmpeg -i \"/in/my clip.avi\" -sameq -re \"/out/my clip.avi\"\n"
              "adapted: ffmpeg -i \"/in/my clip.avi\" -q:v 2 \"/out/my clip.avi\"\n");
    // An old build runs the command as written: nothing to say.
    FakeEncoder("ffmpeg", "0.6.1, Copyright", "");
    EXPECT_EQ(Print("ffmpeg -i %1 -sameq %1.avi").find("note:"), std::string::npos);
}

// Converting with the real encoder: the notes go to standard error once for
// the batch, not once per file, and stay out of the progress lines.
TEST_F(KestrumConvertWithFfmpeg, NotesComeOncePerBatchOnStandardError) {
    test::MakeClip(files_ / "a.avi", 1);
    test::MakeClip(files_ / "b.avi", 1);
    const test::ProgramResult r =
        Run({"--profile", "ffmpeg -i %1 -vhook \"fish.so\" -padtop 8 -padbottom 8 %1.avi",
             "--output-folder", files_ / "out", files_ / "a.avi", files_ / "b.avi"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.err,
              "kestrum-convert: creating the output folder " + files_ / "out" +
                  "\nnote: -vhook fish: today's ffmpeg loads no video hooks and has no filter that "
                  "does the same; the hook is dropped\n");
    EXPECT_EQ(r.out.find("note:"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("[2/2] converted b.avi"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace kestrum
