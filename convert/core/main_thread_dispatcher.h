#pragma once

#include <functional>

namespace kestrum {

// The way into the main thread. A front end implements Post with its own
// loop: the GUI with a queued call into the Qt event loop, kestrum-convert and
// the tests with a MainThreadQueue. The blocking call a worker makes
// (RunOnMainThread, see main_thread_calls.h) is built on it.
class MainThreadDispatcher {
public:
    virtual ~MainThreadDispatcher() = default;

    // Callable from any thread; never blocks and never runs `op` itself. The
    // main thread runs posted operations in posting order, whenever its loop
    // is idle or woken, modal loops included. Operations still queued when
    // the loop ends may be dropped unrun.
    virtual void Post(std::function<void()> op) = 0;
};

}  // namespace kestrum
