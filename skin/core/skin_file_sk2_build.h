#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/core/skin_file_sk2.h"

namespace kestrum::skinfile {

Sk2Record BitmapRecord(std::string name, std::string bitmapFile);
Sk2Record IntegerRecord(std::string name, std::int32_t value);
Sk2Record BooleanRecord(std::string name, bool value);
Sk2Record StringRecord(std::string name, std::string text);

// The longest entry name a record holds with its terminating NUL.
inline constexpr std::size_t kMaxNameLength = kNameSize - 1;

// Lays the records out as a data entry: the 24-byte header, the record chain
// (closed by a terminator record) and then the data, each record's data in
// order. Names must be at most kMaxNameLength bytes and the whole entry at
// most kMaxDataEntrySize; the caller checks both.
std::string BuildSk2(const std::vector<Sk2Record>& records);

}  // namespace kestrum::skinfile
