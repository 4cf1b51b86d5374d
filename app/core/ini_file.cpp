#include "app/core/ini_file.h"

#include <string>

#include "app/core/ascii_text.h"
#include "app/core/error.h"
#include "app/core/ini_lines.h"
#include "platform/file_system.h"

namespace kestrum {

namespace {

using ini::LineKind;

constexpr std::string_view kNewLine = "\r\n";

// Where a key lives in the text, or where it would be added.
struct KeyPlace {
    bool sectionFound = false;
    bool keyFound = false;
    ini::LineSpan keyLine;           // the key's line, when found
    std::string_view value;          // and its value, as read from that line
    std::size_t sectionEnd = 0;      // end of the section's last non-blank line
    bool sectionEndHasBreak = true;  // that line ends with a line break
};

KeyPlace FindKey(std::string_view text, std::string_view section, std::string_view key) {
    KeyPlace place;
    bool inSection = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const ini::LineSpan line = ini::LineAt(text, pos);
        pos = line.next;
        const ini::ParsedLine parsed =
            ini::ParseLine(text.substr(line.begin, line.end - line.begin));
        if (parsed.kind == LineKind::Section) {
            if (inSection) {
                break;  // only the first matching section counts
            }
            inSection = EqualsIgnoringAsciiCase(parsed.name, section);
            if (inSection) {
                place.sectionFound = true;
                place.sectionEnd = line.next;
                place.sectionEndHasBreak = line.next > line.end;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (parsed.kind != LineKind::Blank) {
            place.sectionEnd = line.next;
            place.sectionEndHasBreak = line.next > line.end;
        }
        if (parsed.kind == LineKind::Key && EqualsIgnoringAsciiCase(parsed.name, key)) {
            place.keyFound = true;
            place.keyLine = line;
            place.value = parsed.value;
            return place;
        }
    }
    return place;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    if (!platform::ReadWholeFile(path_, content_)) {
        content_.clear();
    }
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
    const KeyPlace place = FindKey(content_, section, key);
    if (!place.keyFound) {
        return std::nullopt;
    }
    return std::string(ini::Unquote(ini::UpToNul(place.value)).substr(0, kMaxValueLength));
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        // A line break would split the line and turn the rest into a stray line.
        throw Error("Error on settings writing, the value of " + std::string(key) +
                    " holds a line break.");
    }
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    const KeyPlace place = FindKey(content_, section, key);

    std::string updated;
    if (place.keyFound) {
        updated =
            content_.substr(0, place.keyLine.begin) + keyLine + content_.substr(place.keyLine.end);
    } else if (place.sectionFound) {
        std::string inserted = place.sectionEndHasBreak ? "" : std::string(kNewLine);
        inserted += keyLine + std::string(kNewLine);
        updated =
            content_.substr(0, place.sectionEnd) + inserted + content_.substr(place.sectionEnd);
    } else {
        updated = content_;
        if (!updated.empty() && updated.back() != '\n' && updated.back() != '\r') {
            updated += kNewLine;
        }
        updated += "[" + std::string(section) + "]" + std::string(kNewLine) + keyLine +
                   std::string(kNewLine);
    }

    if (const int code = platform::ReplaceFileContent(path_, updated); code != 0) {
        throw Error("Error on settings file writing : " + std::to_string(code));
    }
    content_ = std::move(updated);
}

}  // namespace kestrum
