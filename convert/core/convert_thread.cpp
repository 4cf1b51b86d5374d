#include "convert/core/convert_thread.h"

#include <chrono>

#include "convert/core/convert_process.h"
#include "platform/pipe.h"

namespace kestrum {

namespace {
constexpr std::chrono::milliseconds kChildWait{100};
}

TConvertThread::TConvertThread(TConvertProcess& process, std::shared_ptr<ConvertJob> job)
    : Process(&process),
      job_(std::move(job)),
      watched_{{job_->StdOutRead, false}, {job_->StdErrRead, false}},
      thread_([this] { Execute(); }) {}

TConvertThread::~TConvertThread() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void TConvertThread::Execute() {
    try {
        while (true) {
            const bool idle = Pass();
            if (idle) {
                // Output arriving ends the wait early, so progress shows at once.
                const platform::WaitResult woke =
                    platform::WaitForChild(job_->ChildProcess, watched_, kChildWait);
                if (woke == platform::WaitResult::ChildEnded) {
                    Finish();
                }
            }
            if (terminated_.load() && idle) {
                break;
            }
        }
    } catch (...) {
        // A failed read ends the worker; the runner has already let it go
        // and nobody waits for its outcome.
    }
    // Let go of the job here, on this thread: when the runner let go first,
    // this closes the pipes and collects a stopped child now, not whenever
    // the runner next looks at its old workers.
    job_.reset();
    finished_.store(true);
}

void TConvertThread::Finish() {
    // Whatever the encoder started and left behind in its group goes with it;
    // nothing can then keep the drain below going.
    platform::TerminateChild(job_->ChildProcess, 0);
    while (!Pass()) {
    }
    if (!terminated_.load()) {
        TConvertProcess* process = Process;
        job_->Calls.RunOnMainThread([process] { process->ProcessFinished(); });
    }
    terminated_.store(true);
}

bool TConvertThread::Pass() {
    bool idle = true;
    if (PollAndRead(job_->StdOutRead, &TConvertProcess::ReadStdOut)) {
        idle = false;
    }
    if (PollAndRead(job_->StdErrRead, &TConvertProcess::ReadStdErr)) {
        idle = false;
    }
    return idle;
}

// True when bytes were waiting and the main thread read them.
bool TConvertThread::PollAndRead(platform::NativeHandle pipe, void (TConvertProcess::*read)()) {
    if (terminated_.load()) {
        return false;  // a stopped job is not looked at any more
    }
    std::uint32_t count = 0;
    if (!platform::BytesInPipe(pipe, count) || count == 0) {
        return false;
    }
    job_->BytesAvailable = count;
    TConvertProcess* process = Process;
    return job_->Calls.RunOnMainThread([process, read] { (process->*read)(); });
}

}  // namespace kestrum
