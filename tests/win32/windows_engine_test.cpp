#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>

#include "app/core/error.h"
#include "convert/engine_harness.h"
#include "support/process_probe.h"

namespace kestrum {
namespace {

using namespace test;

constexpr const char* kDuration =
    "err   Duration: 00:00:10.00, start: 0.000000, bitrate: 1411 kb/s\\n\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

struct VerdictCase {
    const char* name;
    std::string script;
    const char* elapsedText;
    std::vector<int> percents;
};

// Real pipes, a real process handle and its exit code: converted only with a
// position line and exit code 0.
TEST(WindowsEngine, FinishNoticeSaysWhetherTheFileWasConverted) {
    const std::string progress = std::string(kDuration) + "err frame=1 time=5.00 bitrate=1\\n\n";
    const VerdictCase cases[] = {
        {"progress and status 0", progress + "exit 0\n", "some", {50}},
        {"status 1 after progress", progress + "exit 1\n", "", {50}},
        {"crash after progress", progress + "crash\n", "", {50}},
        {"no position line", std::string(kDuration) + "exit 0\n", "", {}},
        {"progress on standard output", "out Duration: 00:00:10.00\\ntime=2.00\\n\n", "some", {20}},
        {"output just before exit",
         "sleep 200\n" + std::string(kDuration) + "err time=10.00\\n\nexit 0\n",
         "some",
         {100}},
        {"standard input at its end at once", "stdin\n" + progress, "some", {50}},
        {"lines written in pieces",
         "err Duration: \nsleep 50\nerr 00:00:10.00, start: 0\\n\nerr time=\nsleep 50\n"
         "err 4.00 bitrate=1\\r\nerr time=8.00\n",
         "some",
         {40, 80}},
    };
    for (const VerdictCase& c : cases) {
        SCOPED_TRACE(c.name);
        EngineHarness h;
        h.StartScript("job", c.script);
        ASSERT_TRUE(h.PumpUntilFinished());
        EXPECT_EQ(h.Finish()->ElapsedText, c.elapsedText);
        EXPECT_EQ(h.Finish()->Status, 0);
        std::vector<int> percents;
        for (const TProcessInfo& notice : h.Progress()) {
            percents.push_back(notice.Percent);
        }
        EXPECT_EQ(percents, c.percents);
        EXPECT_EQ(h.process->ChildProcessId(), 0U);
    }
}

// The encoder splits our command line back into its pieces: the quoted paths
// stay whole, "-y" comes only after a Yes, and a file held without sharing or
// marked read-only is in use.
TEST(WindowsEngine, ExistingOutputIsAskedAbout) {
    enum class Hold { Nothing, ReadOnly, WithoutSharing };
    struct Case {
        const char* name;
        bool answer;
        Hold hold;
        int status;
        bool runs;
    };
    const Case cases[] = {
        {"answered No", false, Hold::Nothing, 0, false},
        {"answered Yes but read-only", true, Hold::ReadOnly, 2, false},
        {"answered Yes but held open", true, Hold::WithoutSharing, 2, false},
        {"answered Yes", true, Hold::Nothing, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineHarness h;
        h.prompts.answer = c.answer;
        h.Prepare("my job",
                  std::string("args ") + h.Path("args") + "\n" + kDuration + "err time=5.00\\n\n");
        WriteFile(h.process->OutputFile, "old");
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.hold == Hold::ReadOnly) {
            ::SetFileAttributesA(h.process->OutputFile.c_str(), FILE_ATTRIBUTE_READONLY);
        } else if (c.hold == Hold::WithoutSharing) {
            held = ::CreateFileA(h.process->OutputFile.c_str(), GENERIC_READ, 0, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        h.process->Start();
        ASSERT_TRUE(h.PumpUntilFinished());
        if (held != INVALID_HANDLE_VALUE) {
            ::CloseHandle(held);
        }
        ASSERT_EQ(h.prompts.asked.size(), 1U);
        EXPECT_EQ(h.prompts.asked[0].second, h.process->OutputFile + " has existed,overite it?");
        EXPECT_EQ(h.Finish()->Status, c.status);
        EXPECT_EQ(h.Finish()->ElapsedText, c.runs ? "some" : "");
        EXPECT_EQ(h.calls.posted.load() > 0, c.runs);
        if (c.runs) {
            EXPECT_EQ(
                Lines(ReadFile(h.Path("args"))),
                (std::vector<std::string>{KESTRUM_FAKE_ENCODER, "-y", "-i", h.process->InputFile,
                                          "-f", "fake", h.process->OutputFile}));
        }
    }
}

TEST(WindowsEngine, ProgramThatCannotStartRaisesWithTheSystemCode) {
    EngineHarness h;
    test::WriteFile(h.Path("not-windows"), "#!/bin/sh\nexit 0\n");
    const std::pair<std::string, std::string> cases[] = {
        {h.Path("missing.exe"), "Error while creating convert process!2"},
        {h.Path("not-windows"), "Error while creating convert process!193"},
    };
    for (const auto& [program, text] : cases) {
        h.Prepare("job", "exit 0\n");
        h.process->AnotherFFmpeg = program;
        try {
            h.process->Start();
            ADD_FAILURE() << "no error for " << program;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), text);
        }
    }
    h.PumpFor(50ms);
    EXPECT_EQ(h.Finish(), nullptr);
    EXPECT_EQ(h.calls.posted.load(), 0);
}

TEST(WindowsEngine, SilentEncoderIsWaitedOnNotRead) {
    EngineHarness h;
    h.StartScript("job", "sleep 700\n");
    ASSERT_TRUE(h.PumpUntilFinished());
    EXPECT_EQ(h.calls.posted.load(), 1);
    EXPECT_EQ(h.Finish()->ElapsedText, "");
}

TEST(WindowsEngine, FloodOfOutputIsReadToTheEnd) {
    EngineHarness h;
    h.StartScript("job", std::string(kDuration) + "flood 10485760\nerr time=10.00\\n\nexit 0\n");
    ASSERT_TRUE(h.PumpUntilFinished(120s));
    EXPECT_EQ(h.Finish()->ElapsedText, "some");
    ASSERT_FALSE(h.Progress().empty());
    EXPECT_EQ(h.Progress().back().Percent, 100);
}

// Stop terminates the encoder at once and posts no finish notice; so does
// destroying the runner. The worker lets go of the handles itself.
TEST(WindowsEngine, StopEndsTheJobWithoutANotice) {
    const std::pair<const char*, std::string> kThen[] = {
        {"while output keeps arriving", "repeat 100000 1 frame=1 time=1.00 bitrate=1\\n\n"},
        {"during a silent phase", "sleep 30000\n"},
    };
    for (const auto& [name, then] : kThen) {
        for (const bool destroy : {false, true}) {
            SCOPED_TRACE(std::string(name) + (destroy ? ", runner destroyed" : ", Stop"));
            EngineHarness h;
            h.StartScript("job", "ignore-signals\npid " + h.Path("pid") +
                                     "\nerr   Duration: 00:01:40.00\\n\n" + then);
            const pid_t pid = PidFromFile(h.Path("pid"));
            ASSERT_NE(pid, 0);
            h.PumpFor(100ms);
            if (destroy) {
                h.process.reset();
            } else {
                h.process->Stop(0);
                EXPECT_FALSE(h.process->Running);
                EXPECT_EQ(h.process->ChildProcessId(), 0U);
                h.process->Stop(0);
            }
            EXPECT_TRUE(Eventually([&] { return !ProcessRunning(pid); }));
            EXPECT_TRUE(Eventually([&] { return !ProcessExists(pid); })) << "handles closed";
            h.PumpFor(300ms);
            EXPECT_EQ(h.Finish(), nullptr);
        }
    }
}

// A stopped job's worker may be waiting for the main thread to read: Stop
// neither waits for it nor lets the queued read reach the next job.
TEST(WindowsEngine, StopWhileTheWorkerWaitsForTheMainThread) {
    EngineHarness h;
    h.StartScript("first", "repeat 100000 0 time=1.00\\n\n");
    ASSERT_TRUE(Eventually([&] { return h.calls.posted.load() > 0; }));
    h.process->Stop(0);
    h.StartScript("second", "err   Duration: 00:00:10.00\\n\nerr time=5.00\\n\n");
    ASSERT_TRUE(h.PumpUntilFinished());
    EXPECT_EQ(h.Finish()->ElapsedText, "some");
    ASSERT_EQ(h.Progress().size(), 1U);
    EXPECT_EQ(h.Progress()[0].Percent, 50);
}

}  // namespace
}  // namespace kestrum
