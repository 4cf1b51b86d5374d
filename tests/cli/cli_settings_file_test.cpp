// The saved settings as kestrum-convert reads them: the reading rules of the
// settings file that decide the program's keys, and values kept as bytes.
#include <gtest/gtest.h>

#include <unistd.h>

#include "cli/kestrum_convert_fixture.h"

namespace kestrum {
namespace {

using test::KestrumConvert;
using test::ProgramResult;

template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

TEST_F(KestrumConvert, SettingsFileLinesAreReadAsTheProfileFunctionsReadThem) {
    searchPath_ = files_.Path();  // no encoder: nothing is adapted
    const std::string command =
        "command: ffmpeg -i \"/c/a.avi\" -vn -ac 2 -ar 44100 \"/saved/a.wav\"\n";
    const struct {
        const char* why;
        std::string options;  // the lines after "[Options]"
        std::string out;
    } cases[] = {
        {"a \"[\" line without \"]\" starts no section",
         "[junk\r\nOutputFormat=WAV - Waveform Audio\r\nOutputDirectory=/saved\r\n",
         "output: /saved/a.wav\n" + command},
        {"a control byte before \"[\" makes no header",
         "\x01[Other]\r\nOutputFormat=WAV - Waveform Audio\r\nOutputDirectory=/saved\r\n",
         "output: /saved/a.wav\n" + command},
        {"a value ends at its first NUL",
         Bytes("OutputFormat=WAV - Waveform Audio\0junk\r\nOutputDirectory=/saved\0/junk\r\n"),
         "output: /saved/a.wav\n" + command},
        {"a key name ends at its first NUL",
         Bytes("OutputFormat\0old=WAV - Waveform Audio\r\nOutputDirectory=/saved\r\n"),
         "output: /saved/a.wav\n" + command},
        {"vertical tab and form feed are blanks",
         "\v OutputFormat\f=\tWAV - Waveform Audio\v\r\nOutputDirectory=/saved\r\n"
         "SameInput=\f1\v\r\n",
         "output: /c/a.wav\ncommand: ffmpeg -i \"/c/a.avi\" -vn -ac 2 -ar 44100 \"/c/a.wav\"\n"},
        {"other control bytes are text",
         "OutputFormat=WAV - Waveform Audio\r\nOutputDirectory=/saved\r\nSameInput=\x01\x31\r\n",
         "output: /saved/a.wav\n" + command},
    };
    for (const auto& c : cases) {
        SaveSettings(c.options);
        const ProgramResult r = Run({"--print-command", "/c/a.avi"});
        EXPECT_EQ(r.out, c.out) << c.why << "\n" << r.err;
        EXPECT_EQ(r.exitStatus, 0) << c.why;
    }

    // A "[" line without "]" no longer hides the profile below it; a control
    // byte before "[Options]" does.
    SaveSettings(
        "OutputDirectory=/saved\r\n[Other]\r\n\x01[Options]\r\n"
        "OutputFormat=WAV - Waveform Audio\r\n");
    const ProgramResult none = Run({"--print-command", "/c/a.avi"});
    EXPECT_EQ(none.exitStatus, 2);
    EXPECT_EQ(none.err, "Please choose the output format!\n");
}

TEST_F(KestrumConvert, SavedPathsAreUsedByteForByte) {
    // A folder and an encoder named in another code page than the file system's.
    const std::string encoder = files_ / "enc\xe9";
    ASSERT_EQ(::symlink(KESTRUM_CONVERT_PATH, encoder.c_str()), 0);
    SaveSettings(
        "OutputFormat=WAV - Waveform Audio\r\nOutputDirectory=/saved/Caf\xe9\r\n"
        "AnotherFFmpeg=" +
        encoder + "\r\nNotUseAnotherFFmpeg=0\r\n");
    const ProgramResult r = Run({"--print-command", "/c/\xe9t\xe9.avi"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out, "output: /saved/Caf\xe9/\xe9t\xe9.wav\ncommand: \"" + encoder +
                         "\" -i \"/c/\xe9t\xe9.avi\" -vn -ac 2 -ar 44100 "
                         "\"/saved/Caf\xe9/\xe9t\xe9.wav\"\n");
}

}  // namespace
}  // namespace kestrum
