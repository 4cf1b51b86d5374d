#pragma once

#include <functional>
#include <memory>
#include <utility>

#include "convert/core/main_thread_dispatcher.h"
#include "convert/core/notice_sink.h"

namespace kestrum {

// A notice sink that hands each notice to `handler` through the main thread's
// dispatcher, so it is handled after the operation that posted it, in order.
class DispatchedNoticeSink final : public NoticeSink {
public:
    using Handler = std::function<void(std::unique_ptr<TProcessInfo>)>;

    DispatchedNoticeSink(MainThreadDispatcher& dispatcher, Handler handler)
        : dispatcher_(dispatcher), handler_(std::move(handler)) {}

    void Post(std::unique_ptr<TProcessInfo> notice) override {
        // Shared only because a posted operation must be copyable.
        auto owned = std::make_shared<std::unique_ptr<TProcessInfo>>(std::move(notice));
        dispatcher_.Post([this, owned] { handler_(std::move(*owned)); });
    }

private:
    MainThreadDispatcher& dispatcher_;
    Handler handler_;
};

}  // namespace kestrum
