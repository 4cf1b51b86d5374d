#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <fstream>
#include <thread>

#include "convert/core/encoder_probe.h"
#include "platform/capture_output.h"
#include "platform/program_search.h"
#include "platform/user_folders.h"
#include "support/process_probe.h"
#include "support/scoped_environment.h"
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

CapturedOutput Answer(int exitCode, std::string err, std::string out = {}) {
    return {CaptureOutcome::Exited, exitCode, std::move(out), std::move(err)};
}

TEST(EncoderProbe, ModernOrOldFromTheOneAnswer) {
    struct Case {
        const char* build;
        CapturedOutput answer;
        bool modern, listed;
    };
    const Case cases[] = {
        {"release", Answer(0, "ffmpeg version 5.1.2-3 Copyright (c) 2000-2022\n", kEncoderList),
         true, true},
        {"3.0 exactly", Answer(0, "ffmpeg version 3.0 Copyright\n", kEncoderList), true, true},
        {"git tag", Answer(0, "ffmpeg version n4.4.2 Copyright\n", kEncoderList), true, true},
        {"git build", Answer(0, "ffmpeg version N-109421-g0bc5 Copyright\n", kEncoderList), true,
         true},
        {"2.8", Answer(0, "ffmpeg version 2.8.17 Copyright\n", kEncoderList), false, false},
        {"2010, refusing -encoders",
         Answer(1,
                "FFmpeg version 0.6.1, Copyright (c) 2000-2010\nUnrecognized option "
                "'encoders'\n"),
         false, false},
        {"SVN build", Answer(1, "FFmpeg version SVN-r25512, Copyright\n"), false, false},
        {"unreadable, list answers", Answer(0, "ffmpeg version custom-build\n", kEncoderList), true,
         true},
        {"unreadable, no list", Answer(1, "ffmpeg version custom-build\n"), false, false},
        {"modern, list fails", Answer(1, "ffmpeg version 6.0\n", kEncoderList), true, false},
        {"the banner counts, not a description",
         Answer(0, "ffmpeg version 2.8.17\n",
                std::string(kEncoderList) + " A....D x  version 9.0\n"),
         false, false},
        {"hangs", CapturedOutput{CaptureOutcome::TimedOut, -1, kEncoderList, "ffmpeg version 6.0"},
         false, false},
        {"cannot start", CapturedOutput{}, false, false},
        {"not an encoder", Answer(2, "usage: tool [options]\n"), false, false},
    };
    for (const Case& c : cases) {
        const EncoderCapabilities build = ReadProbeAnswer(c.answer);
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
        test::WriteFile(path, "#!/bin/sh\necho \"$1\" >> \"$0.runs\"\n" + body);
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
        return Write(name, "echo 'ffmpeg version " + version + " Copyright' >&2\nprintf '" +
                               std::string(kEncoderList) + "'\n");
    }
    std::string Cache() const { return folder_ / "cache/"; }

    test::TempFolder folder_;
};

TEST_F(FakeEncoder, ProbesOldAndModernProgramsWithOneRunEach) {
    EncoderProbe probe(Cache(), 2s);
    const std::string modernPath = Modern("ffmpeg");
    const EncoderCapabilities modern = probe.Probe(modernPath).value();
    EXPECT_TRUE(modern.modern);
    EXPECT_TRUE(modern.HasEncoder("libx264"));
    EXPECT_FALSE(modern.HasEncoder("libxvid"));
    EXPECT_EQ(test::ReadFile(modernPath + ".runs"), "-encoders\n");

    const std::string old = Write("old ffmpeg $x",
                                  "echo 'FFmpeg version 0.6.1, Copyright' >&2\n"
                                  "echo \"Unrecognized option '${1#-}'\" >&2\n"
                                  "exit 1\n");
    EXPECT_FALSE(probe.Probe(old).value().modern);
    EXPECT_FALSE(probe.Probe(folder_ / "missing").value().modern);
    EXPECT_FALSE(probe.Probe(folder_.Path()).value().modern) << "a folder is no program";
    EXPECT_FALSE(probe.Known(folder_ / "missing").value().modern)
        << "known at once: nothing to ask";
}

TEST_F(FakeEncoder, AsksOncePerProgramFileAcrossRuns) {
    const std::string path = Modern("ffmpeg");
    {
        EncoderProbe probe(Cache(), 2s);
        EXPECT_FALSE(probe.Known(path)) << "never asked";
        EXPECT_TRUE(probe.Probe(path).value().modern);
        EXPECT_TRUE(probe.Probe(path).value().modern);
        EXPECT_EQ(Runs(path), 1);
    }
    // The next run of a program: the answer comes from the cache folder.
    EncoderProbe nextRun(Cache(), 2s);
    ASSERT_TRUE(nextRun.Known(path));
    EXPECT_TRUE(nextRun.Known(path)->HasEncoder("aac"));
    EXPECT_TRUE(nextRun.Probe(path).value().modern);
    EXPECT_EQ(Runs(path), 1);

    // Replaced by another build of the same size, with the same time stamp:
    // a new file, which is asked again, in this run and the next.
    const std::string replacement = folder_ / "replacement";
    ::rename(Modern("replacement", "2.8.17").c_str(), replacement.c_str());
    struct stat before {};
    ::stat(path.c_str(), &before);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ::utimensat(AT_FDCWD, replacement.c_str(), times, 0);
    ::rename(replacement.c_str(), path.c_str());
    EXPECT_FALSE(nextRun.Known(path));
    EXPECT_FALSE(nextRun.Probe(path).value().modern);
    EXPECT_EQ(Runs(path), 2);
    EncoderProbe third(Cache(), 2s);
    EXPECT_FALSE(third.Probe(path).value().modern);
    EXPECT_EQ(Runs(path), 2);
}

TEST_F(FakeEncoder, ABadCacheFileIsIgnoredAndRewritten) {
    const std::string path = Modern("ffmpeg");
    EncoderProbe(Cache(), 2s).Probe(path);
    platform::FileIdentity program;
    ASSERT_TRUE(platform::IdentifyFile(path, program));
    const EncoderProbeCache cache(Cache());
    const std::string file = cache.FileFor(program);
    const std::string good = test::ReadFile(file);
    ASSERT_TRUE(ReadProbeCacheText(good, program));

    std::string flipped = good;
    flipped[flipped.find("encoder aac") + 8] = 'b';
    std::string otherFormat = good;
    otherFormat.replace(otherFormat.find(" 1\n"), 3, " 2\n");
    platform::FileIdentity otherProgram = program;
    otherProgram.file += 1;
    EncoderCapabilities modern;
    modern.modern = true;
    const struct {
        const char* name;
        std::string content;
    } cases[] = {
        {"empty", ""},
        {"cut in the middle", good.substr(0, good.size() / 2)},
        {"cut before its last line break", good.substr(0, good.size() - 1)},
        {"one changed byte", flipped},
        {"another format", otherFormat},
        {"for another program file", ProbeCacheText(otherProgram, modern)},
        {"huge", good + std::string(kProbeCacheFileLimit, 'x')},
    };
    int runs = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteFile(file, c.content);
        EncoderProbe probe(Cache(), 2s);
        EXPECT_FALSE(probe.Known(path)) << "never trusted";
        EXPECT_TRUE(probe.Probe(path).value().HasEncoder("aac"));
        EXPECT_EQ(Runs(path), ++runs);
        EXPECT_EQ(test::ReadFile(file), good) << "rewritten";
    }
    // A folder where the file should be cannot be replaced: asked every run.
    std::remove(file.c_str());
    ::mkdir(file.c_str(), 0700);
    EXPECT_TRUE(EncoderProbe(Cache(), 2s).Probe(path).value().modern);
    EXPECT_EQ(Runs(path), ++runs);
}

TEST_F(FakeEncoder, WorksWithoutACacheFolder) {
    const std::string path = Modern("ffmpeg");
    test::WriteFile(folder_ / "a file", "");
    for (const std::string& unusable : {folder_ / "a file/cache/", std::string()}) {
        EncoderProbe probe(unusable, 2s);
        EXPECT_TRUE(probe.Probe(path).value().modern);
        EXPECT_TRUE(probe.Known(path).value().modern) << "still kept for the run";
    }
    EXPECT_EQ(Runs(path), 2) << "once per run";
}

TEST_F(FakeEncoder, ProbesFromSeveralThreadsAtOnce) {
    EncoderProbe probe(Cache(), 2s);
    const std::string path = Modern("ffmpeg");
    std::vector<EncoderCapabilities> answers(4);
    std::vector<std::thread> threads;
    for (EncoderCapabilities& answer : answers) {
        threads.emplace_back([&] { answer = probe.Probe(path).value(); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const EncoderCapabilities& answer : answers) {
        EXPECT_TRUE(answer.modern);
        EXPECT_TRUE(answer.HasEncoder("aac"));
    }
    const int runs = Runs(path);
    EXPECT_GE(runs, 1);
    EXPECT_LE(runs, 4) << "at most one probe per thread";
    EXPECT_TRUE(probe.Probe(path).value().modern);
    EXPECT_EQ(Runs(path), runs) << "answered from the cache once known";
}

TEST_F(FakeEncoder, HangingProbeIsKilledAndCountsAsOldForThisRunOnly) {
    const std::string pids = folder_ / "pids";
    const std::string path =
        Write("hang", "echo $$ >> '" + pids + "'\nsleep 30 &\necho $! >> '" + pids + "'\nwait\n");
    EncoderProbe probe(Cache(), 1s);
    EXPECT_FALSE(probe.Probe(path).value().modern);
    EXPECT_EQ(Runs(path), 1);
    EXPECT_FALSE(probe.Known(path).value().modern) << "not asked again in this run";

    std::ifstream in(pids);
    int count = 0;
    // A killed process may take a moment to finish dying on a busy machine.
    for (pid_t pid = 0; in >> pid; ++count) {
        EXPECT_TRUE(test::Eventually([pid] { return !test::ProcessRunning(pid); }, 5s))
            << "process " << pid << " runs on";
    }
    EXPECT_EQ(count, 2) << "the script and the sleep it started";
    EXPECT_FALSE(EncoderProbe(Cache(), 1s).Known(path)) << "a busy machine may answer next time";
}

TEST_F(FakeEncoder, AStoppedProbeKillsTheProgramAndKeepsNothing) {
    const std::string pid = folder_ / "pid";
    const std::string path = Write("hang", "echo $$ > '" + pid + "'\nexec sleep 30\n");
    EncoderProbe probe(Cache(), 30s);
    std::stop_source stop;
    std::optional<EncoderCapabilities> answer{EncoderCapabilities{}};
    std::thread asking([&] { answer = probe.Probe(path, stop.get_token()); });
    const pid_t program = test::PidFromFile(pid);
    ASSERT_NE(program, 0);
    stop.request_stop();
    asking.join();
    EXPECT_FALSE(answer) << "no answer";
    EXPECT_FALSE(test::ProcessExists(program)) << "killed and collected";
    EXPECT_FALSE(probe.Known(path));
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

TEST(EncoderProbeCacheText, ReadsBackWhatItWrote) {
    platform::FileIdentity program{"/opt/ff mpeg\nbuild/ffmpeg", 123456, -5, 2049, 77};
    EncoderCapabilities answer;
    answer.modern = true;
    answer.encodersKnown = true;
    answer.encoders = {"aac", "libx264", "mpeg4"};
    const std::string text = ProbeCacheText(program, answer);
    const std::optional<EncoderCapabilities> read = ReadProbeCacheText(text, program);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->modern);
    EXPECT_TRUE(read->encodersKnown);
    EXPECT_EQ(read->encoders, answer.encoders);
    EXPECT_FALSE(ReadProbeCacheText(ProbeCacheText(program, {}), program).value().modern);
    for (auto change : {&platform::FileIdentity::size, &platform::FileIdentity::device,
                        &platform::FileIdentity::file}) {
        platform::FileIdentity other = program;
        other.*change += 1;
        EXPECT_FALSE(ReadProbeCacheText(text, other));
    }
    platform::FileIdentity moved = program;
    moved.path += "2";
    EXPECT_FALSE(ReadProbeCacheText(text, moved));
}

TEST(ProgramCacheFolder, FollowsTheBaseDirectoryRules) {
    const test::ScopedEnvironment home("HOME", "/home/someone");
    const test::ScopedEnvironment cacheHome("XDG_CACHE_HOME", "/var/cache/someone/");
    EXPECT_EQ(platform::ProgramCacheFolder(), "/var/cache/someone/kestrum/");
    for (const char* ignored : {"relative/cache", ""}) {
        ::setenv("XDG_CACHE_HOME", ignored, 1);
        EXPECT_EQ(platform::ProgramCacheFolder(), "/home/someone/.cache/kestrum/") << ignored;
    }
    ::unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(platform::ProgramCacheFolder(), "/home/someone/.cache/kestrum/");
}

TEST(EncoderProbe, TheInstalledEncoderIsModern) {
    const std::string ffmpeg = platform::FindProgram("ffmpeg");
    if (ffmpeg.empty()) {
        GTEST_SKIP() << "no ffmpeg installed";
    }
    test::TempFolder cache;
    const EncoderCapabilities build = EncoderProbe(cache.Path()).Probe(ffmpeg).value();
    EXPECT_TRUE(build.modern);
    EXPECT_TRUE(build.encodersKnown);
    EXPECT_TRUE(build.HasEncoder("aac"));
    EXPECT_FALSE(build.HasEncoder("libfaac"));
}

}  // namespace
}  // namespace kestrum
