#pragma once

#include <string_view>

namespace kestrum::skinfile {

// How reading a skin file ended.
enum class SkinReadOutcome {
    Loaded,
    FileMissing,     // no file at the path
    ArchiveFailed,   // not "SK" + ZIP, no data entry, wrong or missing password, damaged data
    TooLarge,        // the data entry would unpack to more than kMaxDataEntrySize
    SizeMismatch,    // the unpacked data entry is not the size the archive gives
    BadData,         // the data entry's header is unusable
    TempFileFailed,  // no temporary file to unpack the data entry into
};

// The text that describes an outcome; empty for Loaded.
std::string_view SkinReadMessage(SkinReadOutcome outcome);

}  // namespace kestrum::skinfile
