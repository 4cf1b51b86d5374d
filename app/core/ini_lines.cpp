#include "app/core/ini_lines.h"

namespace kestrum::ini {

namespace {

// The blanks trimmed around lines, names and values: space and the
// characters 0x09 to 0x0D. Other control bytes are text.
bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

}  // namespace

LineSpan LineAt(std::string_view text, std::size_t from) {
    LineSpan line{from, from, from};
    std::size_t i = from;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') {
        ++i;
    }
    line.end = i;
    if (i < text.size()) {
        i += (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
    }
    line.next = i;
    return line;
}

std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

ParsedLine ParseLine(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty()) {
        return {LineKind::Blank, {}, {}};
    }
    if (trimmed.front() == ';') {
        return {LineKind::Comment, {}, {}};
    }
    if (trimmed.front() == '[') {
        // The name runs to the last "]". A line without one heads no section:
        // it is read as any other line, so the keys below stay where they are.
        if (const std::size_t close = trimmed.rfind(']'); close != std::string_view::npos) {
            return {LineKind::Section, UpToNul(TrimBlanks(trimmed.substr(1, close - 1))), {}};
        }
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return {LineKind::Other, {}, {}};
    }
    // "=value" names the empty key.
    return {LineKind::Key, UpToNul(TrimBlanks(trimmed.substr(0, equals))),
            TrimBlanks(trimmed.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace kestrum::ini
