#pragma once

#include <cstddef>
#include <string_view>

namespace kestrum::ini {

// One line of an INI text: [begin, end) is its text, [end, next) its line
// break (CR, LF or CRLF; empty on a last line without one).
struct LineSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

// The line starting at `from`; callers stop when from == text.size().
LineSpan LineAt(std::string_view text, std::size_t from);

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key name, trimmed, up to its first NUL
    std::string_view value;  // key value, trimmed, quotes and NULs kept
};

// Lines are read as the Windows profile functions read them: blanks are space
// and 0x09 to 0x0D; ";" starts a comment; "[" starts a section header only
// when a "]" follows on the line; a key is everything before the first "=".
ParsedLine ParseLine(std::string_view line);

// Text as the profile text functions hand it on: they cannot return a NUL,
// so names and values end at their first one.
std::string_view UpToNul(std::string_view text);

// A value wrapped in matching single or double quotes loses them.
std::string_view Unquote(std::string_view value);

}  // namespace kestrum::ini
