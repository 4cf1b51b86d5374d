#pragma once

#include <optional>
#include <string>

#include "app/core/ini_file.h"

namespace kestrum {

// The five remembered choices, with their defaults for a first start.
struct Settings {
    std::string OutputDirectory;  // default: the settings folder
    std::string OutputFormat;     // the profile caption or manual command
    bool SameInput = false;
    std::string AnotherFFmpeg;
    bool NotUseAnotherFFmpeg = true;
};

// settings.ini, section Options. The folder and file are worked out afresh on
// every use, so a settings folder deleted while the program runs comes back.
class SettingsStore {
public:
    // The settings folder with a trailing separator: the per-user settings
    // root + "Kestrum/Video Converter/", created with its parents (0700); the
    // executable's folder when it cannot be created.
    static std::string SettingsFolder();
    static std::string SettingsFile();

    explicit SettingsStore(std::string filePath = SettingsFile());

    // The five keys in their order, each falling back to its default.
    Settings Read() const;

    // Writes the five keys in their order. Throws Error at the first key that
    // cannot be written; the keys after it are not written.
    void Write(const Settings& settings);

    const std::string& FilePath() const { return file_.Path(); }

    // Boolean values: decimal, or hexadecimal when longer than two characters
    // and starting with 0x/0X; non-zero is true. Anything else is missing.
    static std::optional<bool> ParseBoolean(const std::string& text);

private:
    IniFile file_;
};

}  // namespace kestrum
