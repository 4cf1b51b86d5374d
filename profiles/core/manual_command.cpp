#include "profiles/core/manual_command.h"

#include <utility>

#include "app/core/ascii_text.h"

namespace kestrum {

namespace {

constexpr std::string_view kPrefix = "ffmpeg -i %1 ";  // 13 characters, skipped whatever they are
constexpr std::string_view kOutputMarker = "%1.";

}  // namespace

bool StartsLikeManualCommand(std::string_view caption) {
    return StartsWithLowerAscii(caption, "ffmpeg");
}

std::optional<ManualCommandParts> SplitManualCommand(std::string_view caption) {
    if (!StartsLikeManualCommand(caption)) {
        return std::nullopt;
    }
    const std::size_t marker = caption.find(kOutputMarker);
    if (marker == std::string_view::npos) {
        return std::nullopt;
    }
    ManualCommandParts parts;
    if (marker > kPrefix.size()) {
        parts.arguments = std::string(caption.substr(kPrefix.size(), marker - kPrefix.size()));
    }
    parts.extension = std::string(caption.substr(marker + 2));
    return parts;
}

std::optional<ManualCommandFields> ManualCommandEditFields(std::string_view caption) {
    std::optional<ManualCommandParts> parts = SplitManualCommand(caption);
    if (!parts) {
        return std::nullopt;
    }
    // The options end one character before the marker, at the space of " %1.";
    // the extension field goes without the extension's ".".
    if (!parts->arguments.empty()) {
        parts->arguments.pop_back();
    }
    return ManualCommandFields{std::move(parts->arguments), parts->extension.substr(1)};
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
