#pragma once

#include <cstdint>

#include "platform/native_handle.h"

namespace kestrum::platform {

// The two ends of an anonymous pipe.
struct PipeEnds {
    NativeHandle read = kNoHandle;
    NativeHandle write = kNoHandle;
};

// Creates a pipe whose ends no child inherits by accident: a child gets an end
// only when it is handed over explicitly (see StartChildProcess). The system's
// default buffer size. False with the last system error set on failure.
bool CreatePipe(PipeEnds& ends);

// How many bytes wait in the pipe, without removing any. False when the pipe
// cannot be asked.
bool BytesInPipe(NativeHandle readEnd, std::uint32_t& count);

// Reads up to `count` bytes with one plain read; after BytesInPipe reported at
// least that many this does not block. False with the last system error set
// on failure; `done` is 0 at the end of the pipe.
bool ReadPipe(NativeHandle readEnd, char* buffer, std::uint32_t count, std::uint32_t& done);

}  // namespace kestrum::platform
