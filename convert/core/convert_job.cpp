#include "convert/core/convert_job.h"

namespace kestrum {

ConvertJob::~ConvertJob() {
    // A child still held here was stopped (or never got its worker): make sure
    // it is gone before collecting it, so that this never waits on an encoder.
    if (platform::IsHeld(ChildProcess)) {
        platform::TerminateChild(ChildProcess, 0);
        platform::CollectChild(ChildProcess);
    }
    CloseRunnerEnds();
    platform::CloseNativeHandle(StdOutRead);
    platform::CloseNativeHandle(StdErrRead);
    // Only now that the encoder is gone: Windows removes no file that a
    // process still has open, and an encoder killed in the middle of opening
    // its output could otherwise make it again.
    Partial.Discard();
}

void ConvertJob::CloseRunnerEnds() {
    platform::CloseNativeHandle(StdInRead);
    platform::CloseNativeHandle(StdInWrite);
    platform::CloseNativeHandle(StdOutWrite);
    platform::CloseNativeHandle(StdErrWrite);
}

}  // namespace kestrum
