#include "app/core/settings_store.h"

#include <charconv>
#include <cstdint>

#include "app/core/global.h"
#include "platform/file_system.h"
#include "platform/path_rules.h"

namespace kestrum {

namespace {

constexpr std::string_view kSection = "Options";

std::string ReadText(const IniFile& file, std::string_view key, const std::string& fallback) {
    return file.Read(kSection, key).value_or(fallback);
}

bool ReadBoolean(const IniFile& file, std::string_view key, bool fallback) {
    const std::optional<std::string> text = file.Read(kSection, key);
    if (!text) {
        return fallback;
    }
    return SettingsStore::ParseBoolean(*text).value_or(fallback);
}

}  // namespace

std::optional<bool> SettingsStore::ParseBoolean(const std::string& text) {
    // The values are 32-bit integers: decimal with an optional sign, or eight
    // hexadecimal digits at most after 0x. Out of range counts as not a number.
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    if (hex) {
        std::uint32_t value = 0;
        const auto [end, error] = std::from_chars(first, last, value, 16);
        if (error != std::errc() || end != last) {
            return std::nullopt;
        }
        return value != 0;
    }
    if (first != last && *first == '+') {
        ++first;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, 10);
    if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value != 0;
}

std::string SettingsStore::SettingsFolder() {
    const std::string root = GetAppDataFolder();
    if (!root.empty()) {
        const std::string folder = root + "Kestrum" + platform::kPreferredSeparator +
                                   "Video Converter" + platform::kPreferredSeparator;
        if (platform::ForceDirectories(folder, 0700)) {
            return folder;
        }
    }
    return platform::ExecutableFolder();
}

std::string SettingsStore::SettingsFile() {
    return SettingsFolder() + "settings.ini";
}

SettingsStore::SettingsStore(std::string filePath) : file_(std::move(filePath)) {}

Settings SettingsStore::Read() const {
    Settings s;
    s.OutputDirectory = ReadText(file_, "OutputDirectory", SettingsFolder());
    s.OutputFormat = ReadText(file_, "OutputFormat", "");
    s.SameInput = ReadBoolean(file_, "SameInput", false);
    s.AnotherFFmpeg = ReadText(file_, "AnotherFFmpeg", "");
    s.NotUseAnotherFFmpeg = ReadBoolean(file_, "NotUseAnotherFFmpeg", true);
    return s;
}

void SettingsStore::Write(const Settings& s) {
    file_.Write(kSection, "OutputDirectory", s.OutputDirectory);
    file_.Write(kSection, "OutputFormat", s.OutputFormat);
    file_.Write(kSection, "SameInput", s.SameInput ? "1" : "0");
    file_.Write(kSection, "AnotherFFmpeg", s.AnotherFFmpeg);
    file_.Write(kSection, "NotUseAnotherFFmpeg", s.NotUseAnotherFFmpeg ? "1" : "0");
}

}  // namespace kestrum
