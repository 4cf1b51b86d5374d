#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "skin/core/skin_file_outcome.h"
#include "skin/core/skin_file_reader.h"

namespace kestrum {

// Answers a file theme's numbered lookups from the skin file it loaded last
// (numbering in file_theme_names.h).
class TlumFileThemeMgr {
public:
    // Loads a skin file. A missing file changes nothing; otherwise the skin
    // loaded before is dropped and the new one kept only when it reads
    // without error. True when the new skin was loaded.
    bool Load(const std::string& file, const std::string& password);

    bool Loaded() const { return reader_ != nullptr; }
    skinfile::SkinReadOutcome LastOutcome() const { return lastOutcome_; }

    // The bitmap file's bytes, or null when the skin has none.
    const std::string* Bitmap(int n) const;
    // -1 when missing, 0 when no skin is loaded.
    std::int32_t Colour(int n) const;
    std::int32_t Position(int n) const;
    // False when missing.
    bool Boolean(int n) const;

private:
    std::int32_t IntegerAt(int position) const;

    std::unique_ptr<Tsk2SkinFileReader> reader_;
    skinfile::SkinReadOutcome lastOutcome_ = skinfile::SkinReadOutcome::FileMissing;
};

}  // namespace kestrum
