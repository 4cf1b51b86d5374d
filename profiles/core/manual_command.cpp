#include "profiles/core/manual_command.h"

#include "app/core/ascii_text.h"

namespace kestrum {

namespace {

constexpr std::string_view kPrefix = "ffmpeg -i %1 ";  // 13 characters, skipped whatever they are
constexpr std::string_view kOutputMarker = "%1.";

}  // namespace

bool StartsLikeManualCommand(std::string_view caption) {
    return StartsWithLowerAscii(caption, "ffmpeg");
}

namespace {

// Where the first "%1." of a manual command starts; nothing for any other caption.
std::optional<std::size_t> OutputMarkerOf(std::string_view caption) {
    if (!StartsLikeManualCommand(caption)) {
        return std::nullopt;
    }
    const std::size_t marker = caption.find(kOutputMarker);
    if (marker == std::string_view::npos) {
        return std::nullopt;
    }
    return marker;
}

}  // namespace

std::optional<ManualCommandParts> SplitManualCommand(std::string_view caption) {
    const std::optional<std::size_t> found = OutputMarkerOf(caption);
    if (!found) {
        return std::nullopt;
    }
    const std::size_t marker = *found;
    ManualCommandParts parts;
    if (marker > kPrefix.size()) {
        parts.arguments = std::string(caption.substr(kPrefix.size(), marker - kPrefix.size()));
    }
    parts.extension = std::string(caption.substr(marker + 2));
    return parts;
}

std::optional<ManualCommandFields> ManualCommandEditFields(std::string_view caption) {
    const std::optional<std::size_t> found = OutputMarkerOf(caption);
    if (!found) {
        return std::nullopt;
    }
    const std::size_t marker = *found;
    ManualCommandFields fields;
    // The options end one character before the marker, at the space of " %1.".
    if (marker > kPrefix.size() + 1) {
        fields.commandLine =
            std::string(caption.substr(kPrefix.size(), marker - kPrefix.size() - 1));
    }
    fields.extension = std::string(caption.substr(marker + kOutputMarker.size()));
    return fields;
}

std::string ComposeManualCommand(std::string_view commandLine, std::string_view extension) {
    std::string text(kPrefix);
    text += commandLine;
    text += " ";
    text += kOutputMarker;
    text += extension;
    return text;
}

}  // namespace kestrum
