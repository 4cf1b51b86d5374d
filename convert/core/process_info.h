#pragma once

#include <cstdint>
#include <string>

namespace kestrum {

// The private message number of the engine's notices to the progress window.
inline constexpr std::uint32_t WM_CONVERT_STATUS = 0x1702;

// One notice from the engine. Progress: Percent 1..100 with the elapsed and
// estimated total times as "mm:ss". Finish: Percent 1000, ElapsedText "some"
// when the job counts as converted, empty when it failed; Status says why an
// early end happened.
struct TProcessInfo {
    std::int32_t Percent = 0;
    std::string ElapsedText;
    std::string EstimatedText;
    std::int32_t Status = 0;
};

inline constexpr std::int32_t kFinishPercent = 1000;

// Finish statuses.
inline constexpr std::int32_t kStatusDone = 0;           // ended, or overwrite declined
inline constexpr std::int32_t kStatusOutputInUse = 2;    // output locked or read-only
inline constexpr std::int32_t kStatusOutputIsInput = 3;  // output would overwrite the input

}  // namespace kestrum
