#include "skin/skinpack/skin_folder.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "platform/file_system.h"
#include "skin/core/file_theme_names.h"
#include "skin/core/skin_file_sk2_build.h"
#include "skin/skinpack/skin_values.h"

namespace kestrum::skinpack {

namespace {

namespace fs = std::filesystem;
using skinfile::Sk2Kind;
using skinfile::Sk2Record;

// Reads the bitmap file for entry `name`; returns what is wrong with it, or "".
std::string ReadBitmap(const fs::path& path, const std::string& name, std::string& bytes) {
    if (std::string problem = EntryNameError(name); !problem.empty()) {
        return problem;
    }
    if (FileThemeEntryKind(name).value_or(Sk2Kind::Bitmap) != Sk2Kind::Bitmap) {
        return name + " is not a bitmap: give it in the text file";
    }
    if (!platform::ReadWholeFile(path.string(), bytes)) {
        return "cannot be read";
    }
    return bytes.starts_with("BM") ? std::string() : "not a BMP file";
}

// Table names first, in table order, then the others by name.
void SortRecords(std::vector<Sk2Record>& records) {
    const auto rank = [](const Sk2Record& record) {
        return std::pair(FileThemeEntryPosition(record.name), skinfile::NameKey(record.name));
    };
    std::sort(records.begin(), records.end(),
              [&](const Sk2Record& a, const Sk2Record& b) { return rank(a) < rank(b); });
}

std::string Duplicate(const std::vector<Sk2Record>& records) {
    std::map<std::string, int> seen;
    for (const Sk2Record& record : records) {
        if (++seen[skinfile::NameKey(record.name)] == 2) {
            return record.name + ": given more than once";
        }
    }
    return {};
}

}  // namespace

FolderContent ReadSkinFolder(const std::string& folder) {
    FolderContent content;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        content.error = folder + ": " + error.message();
        return content;
    }
    std::vector<fs::path> bitmaps;
    std::vector<fs::path> texts;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file(error)) {
            continue;
        }
        const std::string extension = skinfile::NameKey(it->path().extension().string());
        if (extension == ".BMP") {
            bitmaps.push_back(it->path());
        } else if (extension == ".TXT") {
            texts.push_back(it->path());
        }
    }
    if (texts.size() > 1) {
        content.error = folder + ": more than one text file of values";
        return content;
    }
    if (!texts.empty()) {
        std::string text;
        if (!platform::ReadWholeFile(texts.front().string(), text)) {
            content.error = texts.front().string() + ": cannot be read";
            return content;
        }
        content = ParseValues(text, texts.front().filename().string());
        if (!content.error.empty()) {
            return content;
        }
    }
    for (const fs::path& path : bitmaps) {
        const std::string name = path.stem().string();
        std::string bytes;
        if (std::string problem = ReadBitmap(path, name, bytes); !problem.empty()) {
            content.error = path.filename().string() + ": " + problem;
            return content;
        }
        content.records.push_back(skinfile::BitmapRecord(name, std::move(bytes)));
    }
    content.error = Duplicate(content.records);
    SortRecords(content.records);
    return content;
}

}  // namespace kestrum::skinpack
