#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/core/skin_file_format.h"

namespace kestrum::skinfile {

// Random access to the bytes of a skin data entry, wherever they are kept.
class Sk2Input {
public:
    virtual ~Sk2Input() = default;
    virtual std::uint64_t Size() const = 0;
    // Copies `size` bytes from `offset`; false when they cannot all be read.
    virtual bool ReadAt(std::uint64_t offset, std::size_t size, char* out) const = 0;
};

// A data entry held in memory.
class Sk2Bytes : public Sk2Input {
public:
    explicit Sk2Bytes(std::string_view bytes) : bytes_(bytes) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    bool ReadAt(std::uint64_t offset, std::size_t size, char* out) const override;

private:
    std::string_view bytes_;
};

// The 32-bit little-endian number at `p` (4 bytes).
std::uint32_t LittleEndian32(const char* p);

// Whether `size` bytes from `offset` lie within `total` bytes; never overflows.
bool Fits(std::uint64_t offset, std::uint64_t size, std::uint64_t total);

// Entry names compare without regard to (ASCII) case: two names are the same
// when their keys are equal.
std::string NameKey(std::string_view name);

// One directory entry with its data: the raw bytes of a bitmap file or a
// string, 4 bytes of an integer, 1 byte of a boolean.
struct Sk2Record {
    std::string name;
    Sk2Kind kind = Sk2Kind::Bitmap;
    std::string data;
};

// Why the directory walk ended. Only a bad header or a failed read makes the
// entry unusable; the other ends keep the records read before them.
enum class Sk2WalkEnd {
    Terminator,        // the record with next offset 0
    BadHeader,         // entry too short, or header length outside the entry
    RecordOutOfRange,  // a record offset points past the entry
    RepeatedRecord,    // a record offset seen before: the chain loops
    TooManyRecords,    // kMaxRecords records read
    DataLimit,         // the stored data would outgrow the entry itself
    ReadFailed,        // the bytes could not be read
};

struct Sk2Walk {
    Sk2WalkEnd end = Sk2WalkEnd::Terminator;
    std::vector<Sk2Record> records;
    std::size_t skipped = 0;  // records of an unknown kind or with data outside the entry

    bool Usable() const { return end != Sk2WalkEnd::BadHeader && end != Sk2WalkEnd::ReadFailed; }
};

// Follows the record chain from the header, checking every offset and size
// against the entry before using it.
Sk2Walk WalkSk2(const Sk2Input& input);

}  // namespace kestrum::skinfile
