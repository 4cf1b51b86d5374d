#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

#include "convert/core/main_thread_dispatcher.h"

namespace kestrum {

// The blocking calls of one job's worker into the main thread, which the main
// thread can cancel. Stopping a job cancels them: a worker waiting in a call
// returns at once, and the operation it queued does nothing when the main
// thread comes to it. So a Stop never waits for the worker, the worker never
// waits for a main thread that has moved on, and a queued operation never
// reaches a runner that is gone.
class MainThreadCalls {
public:
    explicit MainThreadCalls(MainThreadDispatcher& dispatcher);

    // Worker side. Runs `op` on the main thread and blocks until it has run;
    // an exception `op` throws is thrown again here. Returns false, without
    // running `op`, once the calls are cancelled (before or while waiting).
    bool RunOnMainThread(std::function<void()> op);

    // Main thread side: cancels the waiting call, if any, and every later one.
    // An operation already running finishes and its call returns normally.
    void Cancel();

private:
    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        bool cancelled = false;
    };
    struct Call {
        bool started = false;
        bool done = false;
        std::exception_ptr error;
    };

    static void RunPosted(State& state, Call& call, const std::function<void()>& op);

    MainThreadDispatcher& dispatcher_;
    // Shared with the operations still queued on the main thread.
    std::shared_ptr<State> state_ = std::make_shared<State>();
};

}  // namespace kestrum
