#include <gtest/gtest.h>

#include <windows.h>

#include "app/core/error.h"
#include "convert/engine_harness.h"
#include "platform/file_system.h"
#include "support/process_probe.h"

namespace kestrum {
namespace {

using namespace test;

// The tests of the engine that depend on the Windows services; the rest run
// here from tests/convert/convert_job_test.cpp.

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
                                          "-f", "fake", h.process->PartialFile()}));
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
        EXPECT_EQ(h.StartError(program), text);
    }
    // The bare name, with no encoder beside us, in the current or the
    // system folders, or on the search path.
    h.Prepare("job", "exit 0\n");
    h.process->NotUseAnotherFFmpeg = true;
    EXPECT_THROW(h.process->Start(), Error);
    h.PumpFor(50ms);
    EXPECT_EQ(h.Finish(), nullptr);
    EXPECT_EQ(h.calls.posted.load(), 0);
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

// The output is opened without sharing after the job began (by a player,
// say): the encoder's whole file cannot take its name, so the job fails with
// a message naming both files, and the old output stays, with nothing
// unfinished beside it.
TEST(WindowsEngine, OutputHeldOpenWhenTheJobEndsIsKept) {
    EngineHarness h;
    h.Prepare("job", std::string("sleep 300\nwrite 1000\n") + kDuration + "err time=5.00\\n\n");
    WriteFile(h.process->OutputFile, "old");
    h.process->Start();
    const HANDLE held = ::CreateFileA(h.process->OutputFile.c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const bool finished = h.PumpUntilFinished();
    ::CloseHandle(held);
    ASSERT_TRUE(finished);
    EXPECT_EQ(h.Finish()->ElapsedText, "");
    EXPECT_EQ(h.Finish()->Status, static_cast<int>(FinishStatus::OutputNotReplaced));
    EXPECT_NE(h.process->FailureCode(), 0);
    EXPECT_EQ(ReadFile(h.process->OutputFile), "old");
    EXPECT_FALSE(platform::FileExists(h.process->PartialFile()));
}

}  // namespace
}  // namespace kestrum
