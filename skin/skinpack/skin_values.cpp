#include "skin/skinpack/skin_values.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>

#include "skin/core/file_theme_names.h"
#include "skin/core/skin_file_sk2_build.h"

namespace kestrum::skinpack {

namespace {

using skinfile::Sk2Kind;

std::string_view Trim(std::string_view text) {
    const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && space(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Decimal (negative allowed), "$" + hexadecimal as colours are written
// ($BBGGRR), or "0x" + hexadecimal; anything that fits in 32 bits.
std::optional<std::int32_t> ParseInteger(std::string_view text) {
    int base = 10;
    bool negative = false;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with('-')) {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : base == 16 && std::isxdigit(static_cast<unsigned char>(c))
                              ? std::toupper(static_cast<unsigned char>(c)) - 'A' + 10
                              : -1;
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    }
    if (negative ? value > 0x80000000ull : value > 0xFFFFFFFFull) {
        return std::nullopt;
    }
    const auto bits = static_cast<std::uint32_t>(negative ? (~value + 1) : value);
    return static_cast<std::int32_t>(bits);
}

std::optional<bool> ParseBoolean(std::string_view text) {
    const std::string upper = skinfile::NameKey(text);  // any case
    if (upper == "TRUE" || upper == "YES" || upper == "1") {
        return true;
    }
    if (upper == "FALSE" || upper == "NO" || upper == "0") {
        return false;
    }
    return std::nullopt;
}

}  // namespace

std::string EntryNameError(const std::string& name) {
    if (name.empty()) {
        return "an entry has no name";
    }
    if (name.size() > skinfile::kMaxNameLength) {
        return name + ": names are at most " + std::to_string(skinfile::kMaxNameLength) +
               " characters";
    }
    return {};
}

FolderContent ParseValues(std::string_view text, const std::string& source) {
    FolderContent content;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const std::string_view trimmed = Trim(line);
        if (trimmed.empty() || trimmed.starts_with('#') || trimmed.starts_with(';')) {
            continue;
        }
        const std::string where = source + ":" + std::to_string(lineNumber) + ": ";
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            content.error = where + "expected NAME=VALUE";
            return content;
        }
        const std::string name(Trim(line.substr(0, equals)));
        const std::string_view value = line.substr(equals + 1);
        if (std::string error = EntryNameError(name); !error.empty()) {
            content.error = where + error;
            return content;
        }
        switch (FileThemeEntryKind(name).value_or(Sk2Kind::String)) {
            case Sk2Kind::Integer:
                if (const auto number = ParseInteger(Trim(value))) {
                    content.records.push_back(skinfile::IntegerRecord(name, *number));
                    continue;
                }
                content.error = where + name + ": not a 32-bit integer: " + std::string(value);
                return content;
            case Sk2Kind::Boolean:
                if (const auto flag = ParseBoolean(Trim(value))) {
                    content.records.push_back(skinfile::BooleanRecord(name, *flag));
                    continue;
                }
                content.error = where + name + ": not true or false: " + std::string(value);
                return content;
            case Sk2Kind::Bitmap:
                content.error = where + name + " is a bitmap: give it as the file " + name + ".bmp";
                return content;
            case Sk2Kind::String:
                content.records.push_back(skinfile::StringRecord(name, std::string(value)));
                continue;
        }
    }
    return content;
}

}  // namespace kestrum::skinpack
