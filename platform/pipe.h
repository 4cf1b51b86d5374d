#pragma once

#include <cstdint>

#include "platform/native_handle.h"

namespace kestrum::platform {

// The two ends of an anonymous pipe.
struct PipeEnds {
    NativeHandle read = kNoHandle;
    NativeHandle write = kNoHandle;
};

// Creates an anonymous pipe with the system's default buffer size. On POSIX
// neither end is inherited by accident: a child gets an end only when it is
// handed over explicitly (see StartChildProcess). On Windows both ends are
// created inheritable, and HandOverChildEnd then decides. False with the last
// system error set on failure.
bool CreatePipe(PipeEnds& ends);

// Readies a pipe for a child: its end (`childEnd`) is replaced by an
// inheritable duplicate of itself, the original closed by the duplication, and
// our end (`ownEnd`) is kept from being inherited, so that the child never
// holds the other end of its own pipe (its standard input would then never
// reach its end). On Windows the duplicate is what process creation hands
// over; on POSIX StartChildProcess hands the ends over itself and nothing
// happens here. False with the last system error set on failure; a child end
// lost in a failed duplication is marked not held.
bool HandOverChildEnd(NativeHandle& childEnd, NativeHandle ownEnd);

// How many bytes wait in the pipe, without removing any. False when the pipe
// cannot be asked.
bool BytesInPipe(NativeHandle readEnd, std::uint32_t& count);

// Reads up to `count` bytes with one plain read; after BytesInPipe reported at
// least that many this does not block. False with the last system error set
// on failure; `done` is 0 at the end of the pipe.
bool ReadPipe(NativeHandle readEnd, char* buffer, std::uint32_t count, std::uint32_t& done);

}  // namespace kestrum::platform
