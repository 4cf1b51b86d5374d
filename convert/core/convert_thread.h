#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include "convert/core/convert_job.h"
#include "platform/child_process.h"

namespace kestrum {

class TConvertProcess;

// The worker that watches one running encoder job: it polls the two output
// pipes, waits on the child, and has the main thread read and parse what
// waits and, once the child has ended and the pipes are drained, finish the
// job. It never reads a pipe, parses or notifies anyone itself.
class TConvertThread {
public:
    // Starts at once.
    TConvertThread(TConvertProcess& process, std::shared_ptr<ConvertJob> job);
    // Waits for the body to return: the runner destroys a worker only after
    // its job was finished or cancelled, so that takes one pass at the most.
    ~TConvertThread();
    TConvertThread(const TConvertThread&) = delete;
    TConvertThread& operator=(const TConvertThread&) = delete;

    // The terminate request: the body ends at the end of a pass that found
    // nothing to read.
    void Terminate() { terminated_.store(true); }
    bool Finished() const { return finished_.load(); }

private:
    void Execute();
    bool Pass();
    bool PollAndRead(platform::NativeHandle pipe, void (TConvertProcess::*read)());
    void Finish();

    // Only ever dereferenced on the main thread, inside a call that cancelling
    // the job's calls turns into a no-op.
    TConvertProcess* Process;
    std::shared_ptr<ConvertJob> job_;
    platform::WatchedPipe watched_[2];
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    std::thread thread_;  // last: starts once everything above is ready
};

}  // namespace kestrum
