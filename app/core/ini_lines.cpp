#include "app/core/ini_lines.h"

#include "app/core/ascii_text.h"

namespace kestrum::ini {

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

ParsedLine ParseLine(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty()) {
        return {LineKind::Blank, {}, {}};
    }
    if (trimmed.front() == ';') {
        return {LineKind::Comment, {}, {}};
    }
    if (trimmed.front() == '[') {
        // The name runs to the last "]"; without one, to the end of the line.
        std::string_view inner = trimmed.substr(1);
        const std::size_t close = inner.rfind(']');
        if (close != std::string_view::npos) {
            inner = inner.substr(0, close);
        }
        return {LineKind::Section, Trim(inner), {}};
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return {LineKind::Other, {}, {}};
    }
    const std::string_view name = Trim(trimmed.substr(0, equals));
    if (name.empty()) {
        return {LineKind::Other, {}, {}};
    }
    return {LineKind::Key, name, Trim(trimmed.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace kestrum::ini
