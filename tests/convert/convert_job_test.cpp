#include <gtest/gtest.h>

#include <random>

#include "convert/engine_harness.h"
#include "support/process_probe.h"

// How encoder jobs run and end, the same on every system: the verdict of the
// finish notice, the question before an overwrite, the stops. The tests that
// depend on the system's process services live beside this file (POSIX) and
// in tests/win32 (Windows).
namespace kestrum {
namespace {

using namespace test;

struct VerdictCase {
    const char* name;
    std::string script;
    const char* elapsedText;  // of the finish notice
    std::vector<int> percents;
};

// How a job ends decides whether it counts as converted: a position line AND
// the encoder's own success.
TEST(ConvertProcess, FinishNoticeSaysWhetherTheFileWasConverted) {
    const std::string progress = std::string(kDuration) + "err frame=1 time=5.00 bitrate=1\\n\n";
    const VerdictCase cases[] = {
        {"progress and status 0", progress + "exit 0\n", "some", {50}},
        {"status 1 after progress", progress + "exit 1\n", "", {50}},
        {"crash after progress", progress + "crash\n", "", {50}},
        {"no position line", std::string(kDuration) + "exit 0\n", "", {}},
        {"progress on standard output", "out Duration: 00:00:10.00\\ntime=2.00\\n\n", "some", {20}},
        {"clock-form position",
         std::string(kDuration) + "err time=00:00:03.00\\n\nexit 0\n",
         "some",
         {30}},
        // Written in the last moment before the exit: found by the drain.
        {"output just before exit",
         "sleep 200\n" + std::string(kDuration) + "err time=10.00\\n\nexit 0\n",
         "some",
         {100}},
        {"lone carriage returns",
         std::string(kDuration) + "err time=2.00\\rtime=4.00\\rtime=6.00\\r\n",
         "some",
         {20, 40, 60}},
        {"NUL ends a chunk's text",
         std::string(kDuration) + "err time=2.00\\n\\0time=4.00\\n\n",
         "some",
         {20}},
        {"standard input at its end at once", "stdin\n" + progress, "some", {50}},
        // The encoder writes a line in pieces; reads in between must not cut it.
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
        EXPECT_EQ(h.Finish()->EstimatedText, "");
        std::vector<int> percents;
        for (const TProcessInfo& notice : h.Progress()) {
            percents.push_back(notice.Percent);
            EXPECT_EQ(notice.ElapsedText, "00:00");
        }
        EXPECT_EQ(percents, c.percents);
        EXPECT_EQ(h.process->ChildProcessId(), 0U);
    }
}

// The question is modal: the user may press Stop while it is open.
TEST(ConvertProcess, StopWhileTheQuestionIsOpenStartsNothing) {
    EngineHarness h;
    h.Prepare("job", std::string("pid ") + h.Path("pid") + "\n");
    WriteFile(h.process->OutputFile, "old");
    h.prompts.whileAsking = [&] { h.process->Stop(0); };
    h.process->Start();
    h.PumpFor(200ms);
    EXPECT_TRUE(h.notices.empty());
    EXPECT_EQ(h.calls.posted.load(), 0);
    EXPECT_EQ(PidFromFile(h.Path("pid"), 0ms), 0);
}

TEST(ConvertProcess, NoQuestionForANewOutput) {
    EngineHarness h;
    h.StartScript("job", "exit 0\n");
    ASSERT_TRUE(h.PumpUntilFinished());
    EXPECT_TRUE(h.prompts.asked.empty());
}

TEST(ConvertProcess, OutputThatIsItsInputNeverRuns) {
    EngineHarness h;
    h.Prepare("job", "touch\n");
    h.process->OutputFile = h.process->InputFile;
    h.process->Start();
    ASSERT_TRUE(h.PumpUntilFinished());
    EXPECT_EQ(h.Finish()->Status, static_cast<int>(FinishStatus::OutputIsInput));
    EXPECT_EQ(h.Finish()->ElapsedText, "");
    EXPECT_TRUE(h.prompts.asked.empty());
    EXPECT_EQ(ReadFile(h.process->InputFile), "touch\n");
    EXPECT_EQ(FinishMessage(FinishStatus::OutputIsInput, {"/a/in.wav", "/a/in.wav", "WAV", {}, 0}),
              "/a/in.wav is the input file itself, convert process failed!");
    EXPECT_EQ(FinishMessage(FinishStatus::OutputInUse, {"/a/in.avi", "/b/o.wav", "WAV", {}, 0}),
              "/b/o.wav may be used, convert process failed!");
}

// A silent encoder costs waits, not calls: the only call is the finish.
TEST(ConvertProcess, SilentEncoderIsWaitedOnNotRead) {
    EngineHarness h;
    h.StartScript("job", "sleep 700\n");
    ASSERT_TRUE(h.PumpUntilFinished());
    EXPECT_EQ(h.calls.posted.load(), 1);
    EXPECT_EQ(h.Finish()->ElapsedText, "");
}

TEST(ConvertProcess, FloodOfOutputIsReadToTheEnd) {
    EngineHarness h;
    h.StartScript("job", std::string(kDuration) + "flood 104857600\nerr time=10.00\\n\nexit 0\n");
    ASSERT_TRUE(h.PumpUntilFinished(120s));
    EXPECT_EQ(h.Finish()->ElapsedText, "some");
    ASSERT_FALSE(h.Progress().empty());
    EXPECT_EQ(h.Progress().back().Percent, 100);
}

// The window's close after a normal end finds nothing to stop.
TEST(ConvertStop, StopAfterTheEndDoesNothing) {
    EngineHarness h;
    h.StartScript("job", "exit 0\n");
    ASSERT_TRUE(h.PumpUntilFinished());
    h.process->Stop(0);
    EXPECT_FALSE(h.process->Running);
    h.PumpFor(50ms);
    EXPECT_EQ(h.notices.size(), 1U);
}

// A stopped job's worker may be waiting for the main thread to read: the Stop
// must neither wait for it nor let the queued read reach the next job.
TEST(ConvertStop, StopWhileTheWorkerWaitsForTheMainThread) {
    EngineHarness h;
    h.StartScript("first", "repeat 100000 0 time=1.00\\n\n");
    ASSERT_TRUE(Eventually([&] { return h.calls.posted.load() > 0; }));
    h.process->Stop(0);  // the read is still queued: nobody serviced it
    h.StartScript("second", "err   Duration: 00:00:10.00\\n\nerr time=5.00\\n\n");
    ASSERT_TRUE(h.PumpUntilFinished());
    EXPECT_EQ(h.Finish()->ElapsedText, "some");
    ASSERT_EQ(h.Progress().size(), 1U);
    EXPECT_EQ(h.Progress()[0].Percent, 50);
}

// Many short jobs stopped (or their runner destroyed) at random moments: run
// under ThreadSanitizer this shows the runner, its workers and the queue
// share nothing unguarded, and no child is left behind.
TEST(ConvertStop, StressOfStartAndStop) {
    const char* scripts[] = {
        "exit 0\n",
        "err   Duration: 00:00:10.00\\n\nrepeat 1000 0 time=5.00\\n\n",
        "flood 10000000\n",
        "sleep 10000\n",
        "err time=1.00\\n\nexit 3\n",
    };
    std::mt19937 random(20240611);
    EngineHarness h;
    std::vector<pid_t> children;
    for (int cycle = 0; cycle < 200; ++cycle) {
        const std::string pidFile = h.Path("pid" + std::to_string(cycle));
        h.StartScript("job", "pid " + pidFile + "\n" + scripts[cycle % 5]);
        h.PumpFor(std::chrono::milliseconds(random() % 4));
        if (cycle % 10 == 9) {
            h.process = std::make_unique<TConvertProcess>(h.calls, h.prompts);
        } else {
            h.process->Stop(0);
        }
        if (const pid_t pid = PidFromFile(pidFile, 0ms)) {
            children.push_back(pid);
        }
    }
    h.process.reset();
    for (pid_t pid : children) {
        EXPECT_TRUE(Eventually([&] { return !ProcessExists(pid); })) << pid;
    }
}

}  // namespace
}  // namespace kestrum
