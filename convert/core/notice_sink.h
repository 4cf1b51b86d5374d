#pragma once

#include <memory>

#include "convert/core/process_info.h"

namespace kestrum {

// Where the engine's WM_CONVERT_STATUS notices go: the progress window in the
// program, printed lines in kestrum-convert, a recorder in the tests.
class NoticeSink {
public:
    virtual ~NoticeSink() = default;

    // Called on the main thread. Posts the notice: it is handled later by the
    // main thread's loop, in posting order, never before Post returns (the
    // engine posts from inside operations that must finish first). The sink
    // owns the notice from now on.
    virtual void Post(std::unique_ptr<TProcessInfo> notice) = 0;
};

}  // namespace kestrum
