#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <chrono>

#include "platform/child_process.h"
#include "platform/pipe.h"
#include "support/process_probe.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using namespace std::chrono_literals;
using platform::WaitResult;
using Clock = std::chrono::steady_clock;

// The test encoder playing `script`, its standard output and error on one pipe.
class ScriptedChild {
public:
    ScriptedChild(const std::string& script, bool withPidfd) {
        test::WriteFile(folder_ / "script", script);
        platform::PipeEnds in;
        EXPECT_TRUE(platform::CreatePipe(in));
        EXPECT_TRUE(platform::CreatePipe(out));
        EXPECT_TRUE(platform::StartChildProcess(
            {{KESTRUM_FAKE_ENCODER, "-i", folder_ / "script", "out"}, {}},
            {in.read, out.write, out.write}, child));
        platform::CloseNativeHandle(in.read);
        platform::CloseNativeHandle(in.write);
        platform::CloseNativeHandle(out.write);
        if (!withPidfd) {
            platform::CloseNativeHandle(child.process);
        }
    }
    ~ScriptedChild() {
        platform::TerminateChild(child, 0);
        platform::CollectChild(child);
        platform::CloseNativeHandle(out.read);
    }

    // How long a wait took and what ended it.
    std::pair<WaitResult, std::chrono::milliseconds> Wait(std::chrono::milliseconds timeout) {
        platform::WatchedPipe pipes[1] = {{out.read, closed}};
        const auto start = Clock::now();
        const WaitResult result = platform::WaitForChild(child, pipes, timeout);
        closed = pipes[0].closed;
        return {result,
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start)};
    }

    test::TempFolder folder_;
    platform::PipeEnds out;
    platform::ChildProcess child;
    bool closed = false;
};

TEST(ChildProcess, PipesStayAboveTheStandardHandlesAndCloseOnExec) {
    platform::PipeEnds ends;
    ASSERT_TRUE(platform::CreatePipe(ends));
    for (int fd : {ends.read, ends.write}) {
        EXPECT_GT(fd, 2);
        EXPECT_NE(::fcntl(fd, F_GETFD) & FD_CLOEXEC, 0);
    }
    std::uint32_t count = 99;
    EXPECT_TRUE(platform::BytesInPipe(ends.read, count));
    EXPECT_EQ(count, 0U);
    ASSERT_EQ(::write(ends.write, "hello", 5), 5);
    EXPECT_TRUE(platform::BytesInPipe(ends.read, count));
    EXPECT_EQ(count, 5U);
    char buffer[5];
    std::uint32_t done = 0;
    EXPECT_TRUE(platform::ReadPipe(ends.read, buffer, count, done));
    EXPECT_EQ(std::string(buffer, done), "hello");
    platform::CloseNativeHandle(ends.read);
    platform::CloseNativeHandle(ends.write);
    EXPECT_FALSE(platform::IsHeld(ends.read));
    EXPECT_FALSE(platform::BytesInPipe(99999, count));
}

// The same waits with a pidfd and with the loop used where the kernel has none.
TEST(ChildProcess, WaitsEndOnTheChildsEndOnOutputOrAfterTheTimeOut) {
    for (bool withPidfd : {true, false}) {
        SCOPED_TRACE(withPidfd ? "pidfd" : "no pidfd");
        ScriptedChild child("sleep 300\nout x\nsleep 300\nexit 7\n", withPidfd);
        EXPECT_EQ(platform::IsHeld(child.child.process), withPidfd);

        auto [result, took] = child.Wait(100ms);
        EXPECT_EQ(result, WaitResult::TimedOut);
        EXPECT_GE(took, 95ms);

        std::tie(result, took) = child.Wait(1000ms);  // woken by the "x"
        EXPECT_EQ(result, WaitResult::OutputArrived);
        EXPECT_LT(took, 900ms);
        char x;
        ASSERT_EQ(::read(child.out.read, &x, 1), 1);

        std::tie(result, took) = child.Wait(2000ms);
        EXPECT_EQ(result, WaitResult::ChildEnded);
        EXPECT_LT(took, 1500ms);
        // An ended child stays ours until collected.
        const auto pid = static_cast<pid_t>(child.child.processId);
        EXPECT_TRUE(test::ProcessExists(pid));
        const platform::ChildExit exit = platform::CollectChild(child.child);
        EXPECT_TRUE(exit.exited);
        EXPECT_EQ(exit.code, 7);
        EXPECT_FALSE(test::ProcessExists(pid));
        EXPECT_FALSE(platform::IsHeld(child.child));
    }
}

// A pipe whose writer has gone would wake every wait at once; after the first
// such wake it no longer counts, so a silent child costs full waits.
TEST(ChildProcess, PipeWithoutWritersStopsWakingTheWait) {
    ScriptedChild child("sleep 5000\n", true);
    platform::PipeEnds spare;
    ASSERT_TRUE(platform::CreatePipe(spare));
    platform::CloseNativeHandle(spare.write);
    platform::WatchedPipe pipes[1] = {{spare.read, false}};
    EXPECT_EQ(platform::WaitForChild(child.child, pipes, 100ms), WaitResult::TimedOut);
    EXPECT_TRUE(pipes[0].closed);
    const auto start = Clock::now();
    EXPECT_EQ(platform::WaitForChild(child.child, pipes, 100ms), WaitResult::TimedOut);
    EXPECT_GE(Clock::now() - start, 95ms);
    platform::CloseNativeHandle(spare.read);
}

TEST(ChildProcess, KilledChildEndsWithoutAnExitCode) {
    ScriptedChild child("ignore-signals\nsleep 30000\n", true);
    platform::TerminateChild(child.child, 0);
    EXPECT_EQ(child.Wait(5000ms).first, WaitResult::ChildEnded);
    EXPECT_FALSE(platform::CollectChild(child.child).exited);
}

}  // namespace
}  // namespace kestrum
