#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrum {

// A manual command is the display and storage form
//     "ffmpeg -i %1 " + options + " %1." + extension
// that the manual conversion dialog writes into the profile box. "%1" is a
// marker, never substituted: it stands for the quoted input and output paths.

// Begins with "ffmpeg" in any ASCII letter case.
bool StartsLikeManualCommand(std::string_view caption);

struct ManualCommandParts {
    std::string arguments;  // the options with the one space before " %1."
    std::string extension;  // "." and everything after the first "%1."
};

// The lookups' reading of a manual command: the argument part runs from the
// 14th character to the first "%1." (exclusive), the extension from that
// occurrence's "." to the end. Nothing when the caption is not a manual
// command, including one that starts with "ffmpeg" but holds no "%1.".
std::optional<ManualCommandParts> SplitManualCommand(std::string_view caption);

// The dialog's edits for a stored command: the options without the space
// before " %1.", and the extension without its dot.
struct ManualCommandFields {
    std::string commandLine;
    std::string extension;
};
std::optional<ManualCommandFields> ManualCommandEditFields(std::string_view caption);

// The preview text the dialog stores: "ffmpeg -i %1 " + options + " %1." + ext.
std::string ComposeManualCommand(std::string_view commandLine, std::string_view extension);

}  // namespace kestrum
