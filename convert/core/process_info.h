#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrum {

// The private message number of the engine's notices to the progress window.
inline constexpr std::uint32_t WM_CONVERT_STATUS = 0x1702;

// One notice from the engine. Progress: Percent 1..100 with the elapsed and
// estimated total times as "mm:ss". Finish: Percent 1000, ElapsedText "some"
// when the job counts as converted, empty when it failed; Status says why an
// early end happened (a FinishStatus).
struct TProcessInfo {
    std::int32_t Percent = 0;
    std::string ElapsedText;
    std::string EstimatedText;
    std::int32_t Status = 0;
};

inline constexpr std::int32_t kFinishPercent = 1000;

// Why a job ended, as a finish notice's Status carries it.
enum class FinishStatus : std::int32_t {
    Done = 0,               // the encoder ended, or the user kept the existing output
    OutputInUse = 2,        // the output exists and is locked or read-only: nothing ran
    OutputIsInput = 3,      // the output would overwrite its own input: nothing ran
    EncoderLacksH264 = 4,   // the profile needs libx264, which the encoder lacks: nothing ran
    PartialNotCreated = 5,  // the file for the encoder to write could not be made: nothing ran
    OutputNotReplaced = 6,  // the encoder's whole file could not take the output's name
};

// The names a finish message is made of.
struct FinishedJob {
    std::string_view InputFile;
    std::string_view OutputFile;
    std::string_view ProfileCaption;
    std::string_view PartialFile;  // the file the encoder wrote
    int SystemError = 0;           // why it could not be made or renamed
};

// What the user is told about a finished job; empty when there is nothing to tell.
std::string FinishMessage(FinishStatus status, const FinishedJob& job);

}  // namespace kestrum
