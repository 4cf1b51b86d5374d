#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>

#include "cli/kestrum_convert_fixture.h"
#include "support/file_size_limit.h"
#include "support/media_clip.h"
#include "support/process_probe.h"

namespace kestrum {
namespace {

using test::KestrumConvert;
using test::ProgramResult;

constexpr const char* kConverts = "err Duration: 00:00:10.00\\n\nerr time=5.00\\n\ntouch\n";
constexpr const char* kProgress = "err Duration: 00:00:10.00\\n\nerr time=5.00\\n\n";
constexpr const char* kFails = "err Duration: 00:00:10.00\\n\nerr time=5.00\\n\nexit 1\n";

// kestrum-convert converting with the test encoder; the inputs are its scripts.
class ConvertCommand : public KestrumConvert {
protected:
    std::string Input(const std::string& name, const std::string& script) {
        test::WriteFile(files_ / name, script);
        return files_ / name;
    }
    ProgramResult Convert(std::vector<std::string> extra) {
        std::vector<std::string> arguments{"--profile",       "WAV - Waveform Audio",
                                           "--encoder",       KESTRUM_FAKE_ENCODER,
                                           "--output-folder", files_ / "out"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return Run(arguments);
    }
};

TEST_F(ConvertCommand, PrintsOneLinePerNoticeAndPerFile) {
    ProgramResult r = Convert({Input("a.avi", kConverts), Input("b.avi", kConverts)});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out,
              "[1/2] 50% elapsed 00:00 estimated 00:00 a.wav\n"
              "[1/2] converted a.wav\n"
              "[2/2] 50% elapsed 00:00 estimated 00:00 b.wav\n"
              "[2/2] converted b.wav\n");
    EXPECT_EQ(r.err, "kestrum-convert: creating the output folder " + files_ / "out" + "\n");

    // Now the outputs exist: without a terminal the answer is no.
    r = Convert({Input("a.avi", kConverts), Input("c.avi", kFails)});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.out,
              "[1/2] failed a.avi\n"
              "[2/2] 50% elapsed 00:00 estimated 00:00 c.wav\n"
              "[2/2] failed c.avi\n");
    EXPECT_EQ(r.err, "a.avi, c.avi, file conversion failed.\n");

    r = Convert({"--overwrite", "yes", Input("a.avi", kConverts)});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_EQ(r.out.substr(r.out.rfind('['), 22), "[1/1] converted a.wav\n");
}

TEST_F(ConvertCommand, ExplainsWhatKeepsAFileFromRunning) {
    const std::string input = Input("a.avi", kConverts);
    ::mkdir((files_ / "out").c_str(), 0755);
    test::WriteFile(files_ / "out/a.wav", "old");
    ::chmod((files_ / "out/a.wav").c_str(), 0444);
    ProgramResult r = Convert({"--overwrite", "yes", input});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.out, "[1/1] failed a.avi\n");
    EXPECT_EQ(r.err, files_ /
                         "out/a.wav may be used, convert process failed!\n"
                         "a.avi, file conversion failed.\n");

    const std::string notExecutable = Input("encoder", "");
    ::chmod(notExecutable.c_str(), 0644);
    r = Run({"--profile", "WAV - Waveform Audio", "--encoder", notExecutable, "--same-as-input",
             input, Input("b.avi", kConverts)});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.out, "[1/2] failed a.avi\n[2/2] failed b.avi\n");
    EXPECT_EQ(r.err,
              "Error while creating convert process!13\n"
              "Error while creating convert process!13\n"
              "a.avi, b.avi, file conversion failed.\n");

    r = Run({"--profile", "WAV - Waveform Audio", "--same-as-input", "--encoder", files_ / "none",
             input});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, files_ / "none. This FFmpeg.exe file does not exist.\n");
    EXPECT_EQ(r.out, "");
    r = Run({"--same-as-input", input});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, "Please choose the output format!\n");
}

// The real encoder, found on the search path, with paths a shell would mangle.
TEST_F(ConvertCommand, ConvertsClipsWithFfmpeg) {
    const std::string odd = files_ / "in \"$(touch pwned)\" 'q' %1/";
    ::mkdir(odd.c_str(), 0755);
    test::MakeClip(odd + "a b.avi", 2);
    test::MakeClip(odd + "ü$HOME.avi", 2);
    const std::string out = files_ / "out `x` $y";
    const ProgramResult r = Run({"--profile", "MPEG-1 (*.mpg)", "--output-folder", out,
                                 odd + "a b.avi", odd + "ü$HOME.avi"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_NE(r.out.find("[1/2] converted a b.mpg\n"), std::string::npos) << r.out;
    EXPECT_TRUE(r.out.ends_with("[2/2] converted ü$HOME.mpg\n")) << r.out;
    EXPECT_EQ(test::ProbeFormat(out + "/a b.mpg").substr(0, 18), "format_name=mpeg\nd");
    EXPECT_EQ(test::ProbeFormat(out + "/ü$HOME.mpg").substr(0, 18), "format_name=mpeg\nd");
    EXPECT_NE(::access((files_ / "pwned").c_str(), 0), 0);
}

// Ctrl-C or SIGTERM stop the batch: the encoder and everything it started are
// gone before the program ends with status 130, and nothing more runs.
TEST_F(ConvertCommand, StopSignalEndsTheEncoderAndItsGroup) {
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        const std::string script = "ignore-signals\npid " + files_ / "pid" + "\ngrandchild " +
                                   files_ / "grandchild" + "\n" + kProgress + "sleep 30000\n";
        auto program =
            Launch({"--profile", "WAV - Waveform Audio", "--encoder", KESTRUM_FAKE_ENCODER,
                    "--same-as-input", Input("a.avi", script), Input("b.avi", "touch\n")});
        const pid_t encoder = test::PidFromFile(files_ / "pid");
        const pid_t grandchild = test::PidFromFile(files_ / "grandchild");
        ASSERT_NE(encoder, 0);
        ASSERT_NE(grandchild, 0);
        program->Signal(signal);
        const ProgramResult r = program->Finish();
        EXPECT_EQ(r.exitStatus, 130);
        EXPECT_FALSE(test::ProcessExists(encoder)) << "killed and collected";
        EXPECT_TRUE(test::Eventually([&] { return !test::ProcessRunning(grandchild); }));
        EXPECT_EQ(r.out.find("[2/2]"), std::string::npos) << r.out;
        EXPECT_FALSE(test::Eventually([&] { return ::access((files_ / "b.wav").c_str(), 0) == 0; },
                                      std::chrono::milliseconds(100)));
        std::remove((files_ / "pid").c_str());
        std::remove((files_ / "grandchild").c_str());
    }
}

// Converting a clip into a folder with 512 KiB of room (a file-size limit on
// kestrum-convert, which its ffmpeg inherits): the file fails, and no
// truncated long.mpg, no unfinished file, stays; an earlier long.mpg that
// the user agreed to replace stays as it was.
TEST_F(ConvertCommand, FullDiskLeavesNoTruncatedOutput) {
    test::MakeClip(files_ / "long.avi", 10);
    const std::string out = files_ / "out";
    ::mkdir(out.c_str(), 0755);
    for (const bool existed : {false, true}) {
        SCOPED_TRACE(existed ? "over an existing output" : "new output");
        if (existed) {
            test::WriteFile(out + "/long.mpg", "old");
        }
        std::unique_ptr<test::RunningProgram> program;
        {
            const test::ScopedFileSizeLimit disk(512 * 1024);
            program = Launch({"--profile", "MPEG-1 (*.mpg)", "--output-folder", out, "--overwrite",
                              "yes", files_ / "long.avi"});
        }
        const ProgramResult r = program->Finish();
        EXPECT_EQ(r.exitStatus, 1) << r.err;
        EXPECT_TRUE(r.out.ends_with("[1/1] failed long.avi\n")) << r.out;
        EXPECT_EQ(test::FolderEntries(out),
                  existed ? std::vector<std::string>{"long.mpg"} : std::vector<std::string>{});
        if (existed) {
            EXPECT_EQ(test::ReadFile(out + "/long.mpg"), "old");
        }
    }
}

// Ctrl-C in the middle of replacing an output: the old one stays as it was,
// and the encoder's unfinished file goes with the encoder.
TEST_F(ConvertCommand, StopSignalKeepsTheOldOutput) {
    const std::string script =
        "pid " + files_ / "pid" + "\nwrite 100000\n" + kProgress + "sleep 30000\n";
    test::WriteFile(files_ / "a.wav", "old");
    auto program = Launch({"--profile", "WAV - Waveform Audio", "--encoder", KESTRUM_FAKE_ENCODER,
                           "--same-as-input", "--overwrite", "yes", Input("a.avi", script)});
    ASSERT_NE(test::PidFromFile(files_ / "pid"), 0);
    program->Signal(SIGINT);
    const ProgramResult r = program->Finish();
    EXPECT_EQ(r.exitStatus, 130);
    EXPECT_EQ(test::FolderEntries(files_.Path()),
              (std::vector<std::string>{"a.avi", "a.wav", "pid"}));
    EXPECT_EQ(test::ReadFile(files_ / "a.wav"), "old");
}

}  // namespace
}  // namespace kestrum
