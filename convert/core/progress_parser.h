#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "convert/core/process_info.h"

namespace kestrum {

// The job fields the parser reads and updates.
struct ProgressJobState {
    std::int64_t TotalSeconds = 0;  // the input's duration; 0 until a duration line
    double StartTime = 0.0;         // clock reading (days) when the duration was read
    bool ProgressSeen = false;      // a "time=" line has been seen
};

// Parses one chunk of encoder output read from either pipe and returns the
// progress notices it yields, in line order. `now` is the clock reading in
// days (see ProgressClockNow); it stamps a duration line and measures elapsed
// time. Nothing is carried between chunks: a line cut by a chunk boundary is
// parsed as two pieces.
std::vector<TProcessInfo> ParseOutput(std::string_view chunk, ProgressJobState& job, double now);

// A steady clock in days. Only differences of its readings mean anything,
// so a change of the wall clock (summer time, a time server) cannot make a
// conversion look an hour longer.
double ProgressClockNow();

}  // namespace kestrum
