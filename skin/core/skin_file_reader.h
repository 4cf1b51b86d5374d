#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "skin/core/skin_file_outcome.h"
#include "skin/core/skin_file_sk2.h"

namespace kestrum {

// One stored entry as the directory lists it.
struct Sk2DirectoryEntry {
    std::string name;
    skinfile::Sk2Kind kind = skinfile::Sk2Kind::Bitmap;
    std::size_t size = 0;
};

// The contents of one skin file: its bitmaps (kept as the bytes of the bitmap
// files; drawing code decodes them), integers, booleans and strings, each
// looked up by name without regard to case. When a name occurs twice, the
// first entry counts.
class Tsk2SkinFileReader {
public:
    // Unpacks the skin file's data entry into a temporary file, walks it and
    // removes the temporary file again.
    skinfile::SkinReadOutcome Read(const std::string& path, const std::string& password);

    // Walks a data entry that is already at hand.
    skinfile::SkinReadOutcome ReadData(const skinfile::Sk2Input& input);

    const std::string* Bitmap(std::string_view name) const;
    std::optional<std::int32_t> Integer(std::string_view name) const;
    std::optional<bool> Boolean(std::string_view name) const;
    const std::string* String(std::string_view name) const;

    // Every stored entry in the order of the directory.
    const std::vector<Sk2DirectoryEntry>& Directory() const { return directory_; }
    // How the directory walk ended, and how many records it passed over.
    skinfile::Sk2WalkEnd WalkEnd() const { return walkEnd_; }
    std::size_t Skipped() const { return skipped_; }

private:
    void Store(skinfile::Sk2Record record);

    std::unordered_map<std::string, std::string> bitmaps_;
    std::unordered_map<std::string, std::int32_t> integers_;
    std::unordered_map<std::string, bool> booleans_;
    std::unordered_map<std::string, std::string> strings_;
    std::vector<Sk2DirectoryEntry> directory_;
    skinfile::Sk2WalkEnd walkEnd_ = skinfile::Sk2WalkEnd::Terminator;
    std::size_t skipped_ = 0;
};

}  // namespace kestrum
