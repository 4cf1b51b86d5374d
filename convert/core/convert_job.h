#pragma once

#include <cstdint>

#include "convert/core/main_thread_calls.h"
#include "convert/core/partial_output.h"
#include "platform/child_process.h"
#include "platform/native_handle.h"

namespace kestrum {

// What one encoder job's runner (main thread) and worker share: the pipes,
// the child, the byte count of the worker's last poll and the worker's calls
// into the main thread; and the file the encoder writes. Both hold it by
// shared pointer, and whichever lets go last closes the handles, collects the
// child and then removes the file if it is still there. So the worker never
// polls or waits on a handle that was closed or whose number was reused,
// every child is collected, and no unfinished file stays behind, whether the
// job ended, was stopped, or its runner went.
struct ConvertJob {
    explicit ConvertJob(MainThreadDispatcher& dispatcher) : Calls(dispatcher) {}
    ~ConvertJob();
    ConvertJob(const ConvertJob&) = delete;
    ConvertJob& operator=(const ConvertJob&) = delete;

    // The child's ends (StdInRead, StdOutWrite, StdErrWrite) and StdInWrite are
    // closed as soon as the child has its copies; the worker uses the other two.
    platform::NativeHandle StdInRead = platform::kNoHandle;
    platform::NativeHandle StdInWrite = platform::kNoHandle;
    platform::NativeHandle StdOutRead = platform::kNoHandle;
    platform::NativeHandle StdOutWrite = platform::kNoHandle;
    platform::NativeHandle StdErrRead = platform::kNoHandle;
    platform::NativeHandle StdErrWrite = platform::kNoHandle;

    // Written by the worker's poll, read by the main thread inside the read
    // call the poll leads to, while the worker waits for that call.
    std::uint32_t BytesAvailable = 0;

    // Set before the worker starts; collected (and cleared) on the main thread
    // while the worker waits in its last call, or here.
    platform::ChildProcess ChildProcess;

    MainThreadCalls Calls;

    // Created, renamed over the output or removed on the main thread while
    // the runner holds the job; removed here when the job ended otherwise.
    PartialOutput Partial;

    // Closes the ends that only the runner uses, in the runner's order.
    void CloseRunnerEnds();
};

}  // namespace kestrum
