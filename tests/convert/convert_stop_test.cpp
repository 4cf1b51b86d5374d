#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kestrum
