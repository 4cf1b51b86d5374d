#include <gtest/gtest.h>

#include <sys/stat.h>
#include <fstream>
#include <thread>

#include "convert/core/encoder_probe.h"
#include "platform/capture_output.h"
#include "platform/program_search.h"
#include "support/process_probe.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using platform::CapturedOutput;
using platform::CaptureOutcome;
using namespace std::chrono_literals;

constexpr const char* kEncoderList =
    "Encoders:\n"
    " V..... = Video\n"
    " A..... = Audio\n"
    " ------\n"
    " V....D libx264              libx264 H.264 / AVC (codec h264)\n"
    " V....D mpeg4                MPEG-4 part 2\n"
    " A....D aac                  AAC (Advanced Audio Coding)\n";

CapturedOutput Answer(std::string out, int exitCode = 0, std::string err = {}) {
    return {CaptureOutcome::Exited, exitCode, std::move(out), std::move(err)};
}

TEST(EncoderProbe, ModernOrOldFromTheAnswers) {
    const CapturedOutput list = Answer(kEncoderList);
    const CapturedOutput noList = Answer("", 1, "Unrecognized option 'encoders'.\n");
    struct Case {
        const char* build;
        CapturedOutput version, encoders;
        bool modern, listed;
    };
    const Case cases[] = {
        {"release", Answer("ffmpeg version 5.1.2-3 Copyright (c) 2000-2022\n"), list, true, true},
        {"3.0 exactly", Answer("ffmpeg version 3.0 Copyright\n"), list, true, true},
        {"git tag", Answer("ffmpeg version n4.4.2 Copyright\n"), list, true, true},
        {"git build", Answer("ffmpeg version N-109421-g0bc5 Copyright\n"), list, true, true},
        {"2.8", Answer("ffmpeg version 2.8.17 Copyright\n"), list, false, false},
        {"2010, refusing -hide_banner",
         Answer("", 1, "FFmpeg version 0.6.1, Copyright (c) 2000-2010\nUnrecognized option\n"),
         noList, false, false},
        {"SVN build", Answer("", 1, "FFmpeg version SVN-r25512, Copyright\n"), noList, false,
         false},
        {"unreadable, list answers", Answer("ffmpeg version custom-build\n"), list, true, true},
        {"unreadable, no list", Answer("ffmpeg version custom-build\n"), noList, false, false},
        {"modern, list fails", Answer("ffmpeg version 6.0\n"), noList, true, false},
        {"modern, list hangs", Answer("ffmpeg version 6.0\n"),
         CapturedOutput{CaptureOutcome::TimedOut, -1, {}, {}}, true, false},
        {"not an encoder", Answer("", 2, "usage: tool [options]\n"), Answer("", 2), false, false},
    };
    for (const Case& c : cases) {
        const EncoderCapabilities build = ReadProbeAnswers(c.version, c.encoders);
        EXPECT_EQ(build.modern, c.modern) << c.build;
        EXPECT_EQ(build.encodersKnown, c.listed) << c.build;
        if (c.listed) {
            EXPECT_EQ(build.encoders, (std::vector<std::string>{"aac", "libx264", "mpeg4"}));
        }
        // Without a list every encoder counts as present; an old build substitutes nothing.
        EXPECT_EQ(build.HasEncoder("libxvid"), !c.listed) << c.build;
    }
}

// Fake encoder programs: shell scripts that log each run beside themselves.
class FakeEncoder : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& body) {
        const std::string path = folder_ / name;
        test::WriteFile(path, "#!/bin/sh\necho \"$2\" >> \"$0.runs\"\n" + body);
        ::chmod(path.c_str(), 0755);
        return path;
    }
    int Runs(const std::string& path) {
        std::ifstream in(path + ".runs");
        int lines = 0;
        for (std::string line; std::getline(in, line);) {
            ++lines;
        }
        return lines;
    }
    std::string Modern(const std::string& name, const std::string& version = "5.1.2") {
        return Write(name,
                     "case \"$2\" in\n"
                     "  -version) echo 'ffmpeg version " +
                         version +
                         " Copyright';;\n"
                         "  -encoders) printf '" +
                         std::string(kEncoderList) +
                         "';;\n"
                         "esac\n");
    }

    test::TempFolder folder_;
};

TEST_F(FakeEncoder, ProbesOldAndModernPrograms) {
    EncoderProbe probe(2s);
    const EncoderCapabilities modern = probe.Probe(Modern("ffmpeg"));
    EXPECT_TRUE(modern.modern);
    EXPECT_TRUE(modern.HasEncoder("libx264"));
    EXPECT_FALSE(modern.HasEncoder("libxvid"));

    const std::string old = Write("old ffmpeg $x",
                                  "echo 'FFmpeg version 0.6.1, Copyright' >&2\n"
                                  "echo \"Unrecognized option '${1#-}'\" >&2\n"
                                  "exit 1\n");
    EXPECT_FALSE(probe.Probe(old).modern);
    EXPECT_FALSE(probe.Probe(folder_ / "missing").modern);
    EXPECT_FALSE(probe.Probe(folder_.Path()).modern) << "a folder is no program";
}

TEST_F(FakeEncoder, AsksOncePerProgramVersion) {
    EncoderProbe probe(2s);
    const std::string path = Modern("ffmpeg");
    EXPECT_TRUE(probe.Probe(path).modern);
    EXPECT_TRUE(probe.Probe(path).modern);
    EXPECT_EQ(Runs(path), 2) << "one -version and one -encoders";

    Modern("ffmpeg", "2.8.17");  // replaced by another build: another size
    EXPECT_FALSE(probe.Probe(path).modern);
    EXPECT_EQ(Runs(path), 4);
}

TEST_F(FakeEncoder, ProbesFromSeveralThreadsAtOnce) {
    EncoderProbe probe(2s);
    const std::string path = Modern("ffmpeg");
    std::vector<EncoderCapabilities> answers(4);
    std::vector<std::thread> threads;
    for (EncoderCapabilities& answer : answers) {
        threads.emplace_back([&] { answer = probe.Probe(path); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const EncoderCapabilities& answer : answers) {
        EXPECT_TRUE(answer.modern);
        EXPECT_TRUE(answer.HasEncoder("aac"));
    }
    const int runs = Runs(path);
    EXPECT_GE(runs, 2);
    EXPECT_LE(runs, 8) << "at most one probe per thread";
    EXPECT_TRUE(probe.Probe(path).modern);
    EXPECT_EQ(Runs(path), runs) << "answered from the cache once known";
}

TEST_F(FakeEncoder, HangingProbeIsKilledAndCountsAsOld) {
    const std::string pids = folder_ / "pids";
    const std::string path =
        Write("hang", "echo $$ >> '" + pids + "'\nsleep 30 &\necho $! >> '" + pids + "'\nwait\n");
    EncoderProbe probe(1s);
    EXPECT_FALSE(probe.Probe(path).modern);
    EXPECT_EQ(Runs(path), 2) << "both questions are asked at once";

    std::ifstream in(pids);
    int count = 0;
    // A killed process may take a moment to finish dying on a busy machine.
    for (pid_t pid = 0; in >> pid; ++count) {
        EXPECT_TRUE(test::Eventually([pid] { return !test::ProcessRunning(pid); }, 5s))
            << "process " << pid << " runs on";
    }
    EXPECT_EQ(count, 4) << "per question, the script and the sleep it started";
}

TEST_F(FakeEncoder, CapturesBothStreamsWithoutAShell) {
    const std::string path = Write("echo", "printf '%s|' \"$@\"\necho err >&2\ncat\nexit 3\n");
    const CapturedOutput r = platform::CaptureOutput({path, "a b", "$(id)", "%1", "\"q\""}, 2s);
    EXPECT_EQ(r.outcome, CaptureOutcome::Exited);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "a b|$(id)|%1|\"q\"|") << "standard input reads nothing";
    EXPECT_EQ(r.err, "err\n");
    EXPECT_EQ(platform::CaptureOutput({folder_ / "missing"}, 2s).outcome,
              CaptureOutcome::NotStarted);
    EXPECT_EQ(platform::CaptureOutput({}, 2s).outcome, CaptureOutcome::NotStarted);
}

TEST(EncoderProbe, TheInstalledEncoderIsModern) {
    const std::string ffmpeg = platform::FindProgram("ffmpeg");
    if (ffmpeg.empty()) {
        GTEST_SKIP() << "no ffmpeg installed";
    }
    const EncoderCapabilities build = ProbeEncoder(ffmpeg);
    EXPECT_TRUE(build.modern);
    EXPECT_TRUE(build.encodersKnown);
    EXPECT_TRUE(build.HasEncoder("aac"));
    EXPECT_FALSE(build.HasEncoder("libfaac"));
}

}  // namespace
}  // namespace kestrum
