#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The layout of a skin file: "SK", then a ZIP archive whose offsets count from
// the start of the file, holding the entry "SKINDATA.SK2". That entry is a
// small container of named bitmaps, integers, booleans and strings reached
// through a chain of 77-byte directory records. All integers are 32-bit
// little-endian.
namespace kestrum::skinfile {

inline constexpr std::string_view kMagic = "SK";
inline constexpr std::string_view kDataEntryName = "SKINDATA.SK2";

// Header of the data entry.
inline constexpr std::size_t kHeaderLengthAt = 12;
inline constexpr std::size_t kFirstRecordAt = 20;
inline constexpr std::size_t kMinHeaderLength = 24;

// Directory record: name[64] (NUL-terminated unless all 64 bytes are used),
// kind[1], data offset[4], data size[4], next record offset[4]. A next offset
// of 0 ends the directory; that record itself holds no entry.
inline constexpr std::size_t kRecordSize = 77;
inline constexpr std::size_t kNameSize = 64;
inline constexpr std::size_t kKindAt = 64;
inline constexpr std::size_t kDataOffsetAt = 65;
inline constexpr std::size_t kDataSizeAt = 69;
inline constexpr std::size_t kNextRecordAt = 73;

enum class Sk2Kind : std::uint8_t { Bitmap = 0, Integer = 1, Boolean = 2, String = 3 };

// Limits that keep a hostile file from taking unbounded time or memory.
inline constexpr std::uint64_t kMaxDataEntrySize = 64ull * 1024 * 1024;
inline constexpr std::size_t kMaxRecords = 10'000;

}  // namespace kestrum::skinfile
