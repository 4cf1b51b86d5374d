// kestrum-convert --jobs: several files at once, through the test encoder
// and through Debian's ffmpeg.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <algorithm>
#include <regex>

#include "cli/kestrum_convert_fixture.h"
#include "support/job_intervals.h"
#include "support/media_clip.h"
#include "support/process_probe.h"

namespace kestrum {
namespace {

using test::ProgramResult;

constexpr const char* kProgress = "err Duration: 00:00:10.00\\n\nerr time=5.00\\n\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

std::ptrdiff_t Place(const std::vector<std::string>& lines, const std::string& line) {
    return std::ranges::find(lines, line) - lines.begin();
}

class ConvertJobs : public test::KestrumConvert {
protected:
    std::string Input(const std::string& name, const std::string& script) {
        test::WriteFile(files_ / name, script);
        return files_ / name;
    }
    std::vector<std::string> Arguments(const std::string& jobs,
                                       const std::vector<std::string>& extra) {
        std::vector<std::string> arguments{"--jobs",          jobs,
                                           "--profile",       "WAV - Waveform Audio",
                                           "--encoder",       KESTRUM_FAKE_ENCODER,
                                           "--output-folder", files_ / "out"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return arguments;
    }
};

TEST_F(ConvertJobs, SixFilesThreeAtATimeEachLineWithItsPlace) {
    std::vector<std::string> files;
    for (int i = 1; i <= 6; ++i) {
        const std::string name = std::to_string(i);
        const int ms = 500 + 200 * ((i * 2) % 3);
        files.push_back(
            Input(name + ".avi",
                  test::Stamped(files_ / name, "sleep " + std::to_string(ms) + "\n" + kProgress) +
                      "touch\n"));
    }
    const ProgramResult r = Run(Arguments("3", files));
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    EXPECT_EQ(lines.size(), 12U) << r.out;
    const std::regex form(
        R"(\[([1-6])/6\] (50% elapsed 00:00 estimated 00:00 |converted )\1\.wav)");
    for (const std::string& line : lines) {
        EXPECT_TRUE(std::regex_match(line, form)) << line;
    }
    std::vector<test::JobInterval> ran;
    for (int i = 1; i <= 6; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_LT(Place(lines, "[" + n + "/6] 50% elapsed 00:00 estimated 00:00 " + n + ".wav"),
                  Place(lines, "[" + n + "/6] converted " + n + ".wav"));
        ran.push_back(test::StampedInterval(files_ / n));
    }
    EXPECT_EQ(test::MostAtOnce(ran), 3);

    // One per processor: the same outputs again.
    EXPECT_EQ(Run(Arguments("0", {"--overwrite", "yes", files[0], files[1]})).exitStatus, 0);
}

TEST_F(ConvertJobs, FailedFilesAreListedInInputOrder) {
    const std::string fails = std::string(kProgress) + "exit 1\n";
    const ProgramResult r = Run(Arguments(
        "2", {Input("a.avi", "sleep 1000\n" + fails), Input("b.avi", fails),
              Input("c.avi", std::string(kProgress) + "touch\n"), Input("d.avi", fails)}));
    EXPECT_EQ(r.exitStatus, 1);
    const std::vector<std::string> lines = Lines(r.out);
    EXPECT_LT(Place(lines, "[2/4] failed b.avi"), Place(lines, "[1/4] failed a.avi"));
    EXPECT_TRUE(r.err.ends_with("\na.avi, b.avi, d.avi, file conversion failed.\n")) << r.err;
}

// Ctrl-C or SIGTERM with three files converting: every encoder and all that
// it started are gone before the program ends with 130, and no other file starts.
TEST_F(ConvertJobs, AStopSignalEndsEveryRunningEncoder) {
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        std::vector<std::string> files;
        for (int i = 1; i <= 5; ++i) {
            const std::string n = std::to_string(i);
            files.push_back(Input(n + ".avi", "ignore-signals\npid " + files_ / n + ".pid\n" +
                                                  "grandchild " + files_ / n + ".grandchild\n" +
                                                  kProgress + "sleep 30000\n"));
        }
        auto program = Launch(Arguments("3", files));
        std::vector<pid_t> started;
        for (int i = 1; i <= 3; ++i) {
            const std::string n = std::to_string(i);
            started.push_back(test::PidFromFile(files_ / n + ".pid"));
            started.push_back(test::PidFromFile(files_ / n + ".grandchild"));
        }
        ASSERT_EQ(std::ranges::count(started, 0), 0);
        program->Signal(signal);
        const ProgramResult r = program->Finish();
        EXPECT_EQ(r.exitStatus, 130);
        for (std::size_t i = 0; i < started.size(); i += 2) {
            EXPECT_FALSE(test::ProcessExists(started[i])) << "encoder killed and collected";
            EXPECT_TRUE(test::Eventually([&] { return !test::ProcessRunning(started[i + 1]); }));
        }
        EXPECT_EQ(r.out.find("[4/5]"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("[5/5]"), std::string::npos) << r.out;
        EXPECT_FALSE(test::Eventually([&] { return ::access((files_ / "4.pid").c_str(), 0) == 0; },
                                      std::chrono::milliseconds(100)));
        for (const std::string name : {"1", "2", "3"}) {
            std::remove((files_ / name + ".pid").c_str());
            std::remove((files_ / name + ".grandchild").c_str());
        }
    }
}

// Two inputs that make one output never convert at the same time: the second
// waits for the first, then meets the overwrite rule.
TEST_F(ConvertJobs, InputsMakingOneOutputTakeTurns) {
    ::mkdir((files_ / "one").c_str(), 0755);
    ::mkdir((files_ / "two").c_str(), 0755);
    const std::string script = std::string(kProgress) + "touch\n";
    const std::string first =
        Input("one/x.avi", test::Stamped(files_ / "first", "sleep 500\n" + script));
    const std::string second = Input("two/x.mkv", test::Stamped(files_ / "second", script));

    ProgramResult r = Run(Arguments("2", {"--overwrite", "yes", first, second}));
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_GE(test::StampedInterval(files_ / "second").start,
              test::StampedInterval(files_ / "first").end);

    std::remove((files_ / "out/x.wav").c_str());
    r = Run(Arguments("2", {"--overwrite", "no", first, second}));
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(Lines(r.out).back(), "[2/2] failed x.mkv");
    EXPECT_EQ(r.err, "x.mkv, file conversion failed.\n");
}

TEST_F(ConvertJobs, ConvertsFourClipsWithFfmpegTwoAtATime) {
    std::vector<std::string> clips;
    for (const std::string name : {"a", "b c", "d", "é"}) {
        test::MakeClip(files_ / name + ".avi", 2);
        clips.push_back(files_ / name + ".avi");
    }
    std::vector<std::string> arguments{
        "--jobs", "2", "--profile", "MP3 - MPEG Layer-3 Audio", "--output-folder", files_ / "out"};
    arguments.insert(arguments.end(), clips.begin(), clips.end());
    const ProgramResult r = Run(arguments);
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    for (const std::string name : {"a", "b c", "d", "é"}) {
        EXPECT_EQ(test::ProbeFormat(files_ / "out/" + name + ".mp3").substr(0, 15),
                  "format_name=mp3")
            << name;
    }
}

// For ThreadSanitizer (kestrum-convert is built with it in that flavour):
// four jobs pouring out progress, failing, finding existing outputs, then a
// batch stopped while four run.
TEST_F(ConvertJobs, FourJobsUnderLoad) {
    std::vector<std::string> files;
    std::string failed;
    for (int i = 0; i < 20; ++i) {
        const std::string name = "f" + std::to_string(i) + ".avi";
        std::string script = "err Duration: 00:00:10.00\\n\nrepeat " + std::to_string(10 + i) +
                             " " + std::to_string(i % 3) + " time=5.00\\n\n";
        script += i % 6 == 1 ? "exit 1\n" : "touch\n";
        if (i % 6 == 1) {
            failed += name + ", ";
        }
        files.push_back(Input(name, script));
    }
    for (const char* overwrite : {"no", "yes"}) {
        const ProgramResult r = Run(Arguments("4", [&] {
            std::vector<std::string> extra{"--overwrite", overwrite};
            extra.insert(extra.end(), files.begin(), files.end());
            return extra;
        }()));
        EXPECT_EQ(r.exitStatus, 1);
        EXPECT_EQ(r.err.find("ThreadSanitizer"), std::string::npos) << r.err;
        if (std::string(overwrite) == "yes") {
            EXPECT_EQ(r.err, failed + "file conversion failed.\n");
        }
    }

    std::vector<std::string> endless;
    for (int i = 0; i < 6; ++i) {
        endless.push_back(Input("e" + std::to_string(i) + ".avi",
                                "pid " + files_ / "e" + std::to_string(i) +
                                    ".pid\nerr Duration: 00:00:10.00\\n\nrepeat 100000 1 "
                                    "time=5.00\\n\n"));
    }
    auto program = Launch(Arguments("4", endless));
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(test::PidFromFile(files_ / "e" + std::to_string(i) + ".pid"), 0);
    }
    program->Signal(SIGTERM);
    const ProgramResult r = program->Finish();
    EXPECT_EQ(r.exitStatus, 130);
    EXPECT_EQ(r.err.find("ThreadSanitizer"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace kestrum
