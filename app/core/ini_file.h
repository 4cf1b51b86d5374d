#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrum {

// A private profile (INI) file read and edited the way the Windows profile
// functions do it: sections in brackets, "key=value" lines, names compared
// without regard to ASCII case, first match wins. Editing a key rewrites that
// one line and keeps every other byte of the file; each write replaces the
// file atomically, so a crash never leaves it truncated.
class IniFile {
public:
    // Reads the file now; a missing or unreadable file reads as empty.
    explicit IniFile(std::string path);

    // The value of the first matching key in the first matching section, or
    // nothing. The value ends at its first NUL, loses one pair of enclosing
    // quotes, and is cut to kMaxValueLength characters.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;

    // Sets the key, adding the key or the section when missing, and writes the
    // file. Throws Error when the file cannot be written; it is then unchanged.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Path() const { return path_; }

    static constexpr std::size_t kMaxValueLength = 2047;

private:
    std::string path_;
    std::string content_;
};

}  // namespace kestrum
