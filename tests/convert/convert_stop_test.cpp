#include <gtest/gtest.h>

#include <random>

#include "convert/engine_harness.h"
#include "support/process_probe.h"

namespace kestrum {
namespace {

using namespace test;

struct Started {
    pid_t encoder = 0;
    pid_t grandchild = 0;
};

// Starts an encoder, deaf to polite signals, that reports its pid and a
// grandchild's, then does `then`.
Started StartReporting(EngineHarness& h, const std::string& then) {
    h.StartScript("job", "ignore-signals\npid " + h.Path("pid") + "\ngrandchild " +
                             h.Path("grandchild") + "\nerr   Duration: 00:01:40.00\\n\n" + then);
    Started started{PidFromFile(h.Path("pid")), PidFromFile(h.Path("grandchild"))};
    EXPECT_NE(started.encoder, 0);
    EXPECT_NE(started.grandchild, 0);
    return started;
}

struct StopCase {
    const char* name;
    std::string then;
};

const StopCase kStopCases[] = {
    {"while output keeps arriving", "repeat 100000 1 frame=1 time=1.00 bitrate=1\\n\n"},
    {"during a silent phase", "sleep 30000\n"},
    {"while flooding", "flood 1000000000\n"},
};

// Stop kills the encoder and its group at once and posts no finish notice;
// the worker then lets go of the child, so nothing is left behind, not even a
// zombie. Destroying the runner does the same before its destructor returns,
// and leaves no worker to touch the runner.
TEST(ConvertStop, EndsTheJobWithoutANoticeAndLeavesNothingBehind) {
    for (const StopCase& c : kStopCases) {
        for (const bool destroy : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (destroy ? ", runner destroyed" : ", Stop"));
            EngineHarness h;
            const auto [pid, grandchild] = StartReporting(h, c.then);
            h.PumpFor(100ms);
            if (destroy) {
                h.process.reset();
                EXPECT_FALSE(ProcessExists(pid));
            } else {
                h.process->Stop(0);
                EXPECT_FALSE(h.process->Running);
                EXPECT_EQ(h.process->ChildProcessId(), 0U);
                h.process->Stop(0);  // a second Stop finds nothing to do
                EXPECT_TRUE(Eventually([&] { return !ProcessExists(pid); })) << "collected";
            }
            const int postedAtEnd = h.calls.posted.load();
            EXPECT_TRUE(Eventually([&] { return !ProcessRunning(grandchild); }));
            h.PumpFor(300ms);  // what the worker queued finds nothing to do
            EXPECT_EQ(h.Finish(), nullptr);
            // A worker past its last look at the job may still post one call.
            EXPECT_LE(h.calls.posted.load(), postedAtEnd + 1);
        }
    }
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
