#pragma once

#include "convert/core/main_thread_dispatcher.h"

namespace kestrum {

// The engine's way into the main thread, through Qt's event loop: a posted
// operation runs when the loop (a modal window's loop included) next gets
// to it, in posting order.
class QtMainThreadDispatcher final : public MainThreadDispatcher {
public:
    void Post(std::function<void()> op) override;
};

}  // namespace kestrum
