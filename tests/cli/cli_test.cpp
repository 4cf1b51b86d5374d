#include <gtest/gtest.h>

#include <sys/stat.h>

#include "cli/kestrum_convert_fixture.h"

namespace kestrum {
namespace {

using test::KestrumConvert;
using test::ProgramResult;

TEST_F(KestrumConvert, ListsTheCatalogueByteForByte) {
    const ProgramResult r = Run({"--list-profiles"});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_EQ(r.out, test::ReadFile(KESTRUM_TEST_DATA "/profile_catalogue.tsv"));
    EXPECT_EQ(r.err, "");
}

TEST_F(KestrumConvert, PrintsOutputAndCommandPerFile) {
    // No encoder on the search path, so nothing is adapted for it.
    searchPath_ = files_.Path();
    const ProgramResult r =
        Run({"--print-command", "--profile", "MP3 - MPEG Layer-3 Audio", "--output-folder", "/out",
             "/clips/my clip.avi", "/clips/b.part1.avi"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out,
              "output: /out/my clip.mp3\n"
              "command: ffmpeg -i \"/clips/my clip.avi\" -vn -acodec libmp3lame -ab 128kb -ac 2 "
              "-ar 44100 "
              "\"/out/my clip.mp3\"\n"
              "output: /out/b.part1.mp3\n"
              "command: ffmpeg -i \"/clips/b.part1.avi\" -vn -acodec libmp3lame -ab 128kb -ac 2 "
              "-ar 44100 "
              "\"/out/b.part1.mp3\"\n");
}

TEST_F(KestrumConvert, ExistingOutputsFollowTheOverwriteAnswer) {
    const std::string input = files_ / "clip $(x).avi";
    const std::string output = files_ / "clip $(x).wav";
    test::WriteFile(input, "in");
    test::WriteFile(output, "old");
    const std::vector<std::string> base{"--print-command", "--profile", "WAV - Waveform Audio",
                                        "--same-as-input"};

    auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = base;
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back(input);
        return Run(args);
    };
    EXPECT_EQ(with({}).out, "output: " + output + "\nskipped: output exists\n");
    EXPECT_EQ(with({"--overwrite", "no"}).out, "output: " + output + "\nskipped: output exists\n");
    EXPECT_EQ(with({"--overwrite=yes"}).out, "output: " + output + "\ncommand: ffmpeg -y -i \"" +
                                                 input + "\" -vn -ac 2 -ar 44100 \"" + output +
                                                 "\"\n");
    EXPECT_EQ(test::FolderEntries(files_.Path()),
              (std::vector<std::string>{"clip $(x).avi", "clip $(x).wav"}))
        << "showing a command makes no file";
    ::chmod(output.c_str(), 0444);
    EXPECT_EQ(with({"--overwrite", "yes"}).out, "output: " + output + "\nskipped: output in use\n");
}

TEST_F(KestrumConvert, SavedSettingsFillWhatIsNotGiven) {
    SaveSettings(
        "OutputFormat=ffmpeg -i %1 -vn %1.ogg\r\nOutputDirectory=/saved\r\nSameInput=0\r\n"
        "AnotherFFmpeg=" KESTRUM_CONVERT_PATH "\r\nNotUseAnotherFFmpeg=0\r\n");
    const std::string before = test::ReadFile(SettingsFile());
    const ProgramResult r = Run({"--print-command", "/c/a.avi"});
    EXPECT_EQ(r.out, "output: /saved/a.ogg\ncommand: \"" KESTRUM_CONVERT_PATH
                     "\" -i \"/c/a.avi\" -vn \"/saved/a.ogg\"\n");
    EXPECT_EQ(test::ReadFile(SettingsFile()), before)
        << "the command-line program never writes settings";

    SaveSettings("OutputFormat=WAV - Waveform Audio\r\nSameInput=1\r\nOutputDirectory=/saved\r\n");
    EXPECT_EQ(Run({"--print-command", "/c/a.avi"}).out.substr(0, 18), "output: /c/a.wav\nc");
    // An explicit folder wins over the saved "same as the input file".
    EXPECT_EQ(Run({"--print-command", "--output-folder", "/x/", "/c/a.avi"}).out.substr(0, 18),
              "output: /x/a.wav\nc");
}

TEST_F(KestrumConvert, OutputThatWouldOverwriteItsInputIsRefused) {
    const std::string input = files_ / "song.wav";
    test::WriteFile(input, "in");
    const ProgramResult r = Run({"--print-command", "--profile", "WAV - Waveform Audio",
                                 "--same-as-input", "--overwrite", "yes", input});
    EXPECT_EQ(r.out, "output: " + input + "\nskipped: output is the input file\n");
}

TEST_F(KestrumConvert, BatchChecksAndUsageErrors) {
    ProgramResult r = Run({"--print-command", "/c/a.avi"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, "Please choose the output format!\n");
    EXPECT_EQ(r.out, "");

    r = Run({"--print-command", "--profile", "AVI (*.avi)", "--encoder", "/no/such/ffmpeg",
             "/c/a.avi"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, "/no/such/ffmpeg. This FFmpeg.exe file does not exist.\n");

    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--print-command"},
                                               {"--bogus", "a"},
                                               {"--overwrite", "maybe", "a"},
                                               {"--jobs", "-1", "a"},
                                               {"--jobs", "two", "a"},
                                               {"--jobs=2x", "a"},
                                               {"--jobs", "257", "a"},
                                               {"--profile"},
                                               {}}) {
        r = Run(bad);
        EXPECT_EQ(r.exitStatus, 2);
        EXPECT_NE(r.err.find("Usage: kestrum-convert"), std::string::npos);
    }
    r = Run({"--help"});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_NE(r.out.find("--print-command"), std::string::npos);
}

}  // namespace
}  // namespace kestrum
