#pragma once

#include <string_view>

namespace kestrum::texts {

// The program's user-facing texts, exactly as the program shows them.
inline constexpr std::string_view kAppTitle = "Kestrum Zude Ridaz Avovozozi";
inline constexpr std::string_view kSelectOutputFolder = "Please select the directory to output";
inline constexpr std::string_view kOverwriteQuestion = " has existed,overite it?";
inline constexpr std::string_view kOutputFolderMissing = " the output directory does not exist.";
inline constexpr std::string_view kEncoderMissing = "This FFmpeg.exe file does not exist.";
inline constexpr std::string_view kCreateFolderQuestion = "creates a new directory?";
inline constexpr std::string_view kProcessCreationFailed = "Error while creating convert process!";
inline constexpr std::string_view kOutputInUse = " may be used, convert process failed!";
inline constexpr std::string_view kChooseProfile = "Please choose the output format!";
inline constexpr std::string_view kCheckManualParameters =
    "Please check the insertion of parameters!";
inline constexpr std::string_view kFilesFailed = "file conversion failed.";

// The encoder runner's failures; the system's error code follows directly.
inline constexpr std::string_view kStdInPipeCreation = "Error on STDIN pipe creation : ";
inline constexpr std::string_view kStdInPipeDuplication = "Error on STDIN pipe duplication : ";
inline constexpr std::string_view kStdOutPipeCreation = "Error on STDOUT pipe creation : ";
inline constexpr std::string_view kStdOutPipeDuplication = "Error on STDOUT pipe duplication : ";
inline constexpr std::string_view kStdErrPipeCreation = "Error on STDERR pipe creation : ";
inline constexpr std::string_view kStdErrPipeDuplication = "Error on STDERR pipe duplication : ";
inline constexpr std::string_view kStdOutPipeRead = "Error reading STDOUT pipe : ";
inline constexpr std::string_view kStdErrPipeRead = "Error reading STDERR pipe : ";

// Our own addition: an output that would overwrite its own input.
inline constexpr std::string_view kOutputIsInput =
    " is the input file itself, convert process failed!";

// Our own addition: a profile asking for H.264 from an encoder build without it.
inline constexpr std::string_view kNeedsLibx264 =
    " needs the H.264 encoder libx264, which this ffmpeg does not have.";

}  // namespace kestrum::texts
