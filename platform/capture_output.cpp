#include "platform/capture_output.h"

#include <algorithm>

#include "platform/child_process.h"
#include "platform/pipe.h"
#include "platform/quote_command_line.h"

namespace kestrum::platform {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kMaxCaptured = 4 * 1024 * 1024;
// Windows cannot wait on anonymous pipes, and a child that fills one stops
// until it is read: the wait returns this often to read them, and to see
// whether the caller still waits.
constexpr std::chrono::milliseconds kReadStep{10};

// The three pipes of a captured program, closed when the capture is over.
struct CapturePipes {
    PipeEnds in, out, err;

    CapturePipes() = default;
    CapturePipes(const CapturePipes&) = delete;
    CapturePipes& operator=(const CapturePipes&) = delete;
    ~CapturePipes() {
        CloseChildEnds();
        CloseNativeHandle(out.read);
        CloseNativeHandle(err.read);
    }

    bool Create() {
        return CreatePipe(in) && HandOverChildEnd(in.read, in.write) && CreatePipe(out) &&
               HandOverChildEnd(out.write, out.read) && CreatePipe(err) &&
               HandOverChildEnd(err.write, err.read);
    }
    // The child has its own copies once it runs; with the writer of its input
    // gone it reads end of file there.
    void CloseChildEnds() {
        CloseNativeHandle(in.read);
        CloseNativeHandle(in.write);
        CloseNativeHandle(out.write);
        CloseNativeHandle(err.write);
    }
};

// Moves what waits in the pipe into `sink`, keeping at most kMaxCaptured;
// false when nothing waited.
bool ReadWaiting(NativeHandle pipe, std::string& sink) {
    std::uint32_t waiting = 0;
    if (!BytesInPipe(pipe, waiting) || waiting == 0) {
        return false;
    }
    std::string buffer(waiting, '\0');
    std::uint32_t got = 0;
    if (!ReadPipe(pipe, buffer.data(), waiting, got) || got == 0) {
        return false;
    }
    const std::size_t room = kMaxCaptured - std::min(kMaxCaptured, sink.size());
    sink.append(buffer.data(), std::min<std::size_t>(room, got));
    return true;
}

}  // namespace

CapturedOutput CaptureOutput(const std::vector<std::string>& argv,
                             std::chrono::milliseconds timeout, std::stop_token stop) {
    CapturedOutput result;
    CapturePipes pipes;
    if (argv.empty() || !pipes.Create()) {
        return result;
    }
    ChildProcess child;
    const bool started = StartChildProcess(
        {argv, QuoteCommandLine(argv)}, {pipes.in.read, pipes.out.write, pipes.err.write}, child);
    pipes.CloseChildEnds();
    if (!started) {
        return result;
    }
    const Clock::time_point deadline = Clock::now() + timeout;
    WatchedPipe watched[2] = {{pipes.out.read}, {pipes.err.read}};
    const auto readBoth = [&] {
        return ReadWaiting(pipes.out.read, result.out) | ReadWaiting(pipes.err.read, result.err);
    };
    // What a program it started still writes after it ended is not waited for.
    while (true) {
        if (readBoth()) {
            continue;
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || stop.stop_requested()) {
            TerminateChild(child, 1);
            CollectChild(child);
            result.outcome =
                stop.stop_requested() ? CaptureOutcome::Stopped : CaptureOutcome::TimedOut;
            return result;
        }
        if (WaitForChild(child, watched, std::min(left, kReadStep)) == WaitResult::ChildEnded) {
            while (readBoth()) {
            }
            const ChildExit exit = CollectChild(child);
            result.outcome = CaptureOutcome::Exited;
            result.exitCode = exit.exited ? exit.code : -1;
            return result;
        }
    }
}

}  // namespace kestrum::platform
