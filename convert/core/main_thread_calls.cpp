#include "convert/core/main_thread_calls.h"

namespace kestrum {

MainThreadCalls::MainThreadCalls(MainThreadDispatcher& dispatcher) : dispatcher_(dispatcher) {}

bool MainThreadCalls::RunOnMainThread(std::function<void()> op) {
    auto call = std::make_shared<Call>();
    {
        std::lock_guard lock(state_->mutex);
        if (state_->cancelled) {
            return false;
        }
    }
    dispatcher_.Post([state = state_, call, op = std::move(op)] { RunPosted(*state, *call, op); });

    std::unique_lock lock(state_->mutex);
    state_->changed.wait(lock, [&] { return call->done || (state_->cancelled && !call->started); });
    if (!call->done) {
        return false;
    }
    if (call->error) {
        std::rethrow_exception(call->error);
    }
    return true;
}

void MainThreadCalls::RunPosted(State& state, Call& call, const std::function<void()>& op) {
    {
        std::lock_guard lock(state.mutex);
        if (state.cancelled) {
            return;  // the worker has gone on; the job is over
        }
        call.started = true;
    }
    std::exception_ptr error;
    try {
        op();
    } catch (...) {
        error = std::current_exception();
    }
    {
        std::lock_guard lock(state.mutex);
        call.error = error;
        call.done = true;
    }
    state.changed.notify_all();
}

void MainThreadCalls::Cancel() {
    {
        std::lock_guard lock(state_->mutex);
        state_->cancelled = true;
    }
    state_->changed.notify_all();
}

}  // namespace kestrum
