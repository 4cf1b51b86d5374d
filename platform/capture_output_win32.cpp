#include <windows.h>

#include <algorithm>

#include "platform/capture_output.h"
#include "platform/program_image_win32.h"

namespace kestrum::platform {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kMaxCaptured = 4 * 1024 * 1024;
constexpr DWORD kPollMilliseconds = 10;

class OwnedHandle {
public:
    OwnedHandle() = default;
    ~OwnedHandle() { Close(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    HANDLE& Slot() { return handle_; }
    HANDLE Get() const { return handle_; }
    void Close() {
        if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle_);
        }
        handle_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;
};

// A pipe whose write end the child inherits and whose read end it does not.
bool CreateOutputPipe(OwnedHandle& read, OwnedHandle& write) {
    SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
    return ::CreatePipe(&read.Slot(), &write.Slot(), &attributes, 0) &&
           ::SetHandleInformation(read.Get(), HANDLE_FLAG_INHERIT, 0);
}

// Moves what waits in the pipe into `sink`, keeping at most kMaxCaptured.
bool ReadWaiting(HANDLE pipe, std::string& sink) {
    DWORD waiting = 0;
    if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) || waiting == 0) {
        return false;
    }
    std::string buffer(waiting, '\0');
    DWORD got = 0;
    if (!::ReadFile(pipe, buffer.data(), waiting, &got, nullptr)) {
        return false;
    }
    const std::size_t room = kMaxCaptured - std::min(kMaxCaptured, sink.size());
    sink.append(buffer.data(), std::min<std::size_t>(room, got));
    return got > 0;
}

}  // namespace

CapturedOutput CaptureOutput(const std::vector<std::string>& argv,
                             std::chrono::milliseconds timeout) {
    CapturedOutput result;
    std::string line = win32::QuoteCommandLine(argv);
    if (argv.empty() || !win32::IsStartableProgram(line)) {
        return result;
    }
    OwnedHandle outRead, outWrite, errRead, errWrite, nothing;
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    nothing.Slot() = ::CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   &inheritable, OPEN_EXISTING, 0, nullptr);
    if (!CreateOutputPipe(outRead, outWrite) || !CreateOutputPipe(errRead, errWrite) ||
        nothing.Get() == INVALID_HANDLE_VALUE) {
        return result;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = nothing.Get();
    startup.hStdOutput = outWrite.Get();
    startup.hStdError = errWrite.Get();
    PROCESS_INFORMATION created{};
    const Clock::time_point deadline = Clock::now() + timeout;
    const BOOL started =
        ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS,
                         nullptr, nullptr, &startup, &created);
    outWrite.Close();
    errWrite.Close();
    nothing.Close();
    if (!started) {
        return result;
    }
    OwnedHandle process, thread;
    process.Slot() = created.hProcess;
    thread.Slot() = created.hThread;

    // Anonymous pipes cannot be waited on: read what waits, then wait a
    // moment on the program. What a program it started still writes after
    // it ended is not waited for.
    while (true) {
        const bool readSome =
            ReadWaiting(outRead.Get(), result.out) | ReadWaiting(errRead.Get(), result.err);
        if (readSome) {
            continue;
        }
        if (::WaitForSingleObject(process.Get(), kPollMilliseconds) == WAIT_OBJECT_0) {
            while (ReadWaiting(outRead.Get(), result.out) |
                   ReadWaiting(errRead.Get(), result.err)) {
            }
            DWORD code = 0;
            ::GetExitCodeProcess(process.Get(), &code);
            result.outcome = CaptureOutcome::Exited;
            result.exitCode = static_cast<int>(code);
            return result;
        }
        if (Clock::now() >= deadline) {
            ::TerminateProcess(process.Get(), 1);
            ::WaitForSingleObject(process.Get(), INFINITE);
            result.outcome = CaptureOutcome::TimedOut;
            return result;
        }
    }
}

}  // namespace kestrum::platform
