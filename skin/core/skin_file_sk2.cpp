#include "skin/core/skin_file_sk2.h"

#include <cctype>
#include <cstring>
#include <unordered_set>

namespace kestrum::skinfile {

std::uint32_t LittleEndian32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

bool Fits(std::uint64_t offset, std::uint64_t size, std::uint64_t total) {
    return offset <= total && size <= total - offset;
}

namespace {

// Bytes the record's data occupies: integers and booleans have a fixed size
// whatever the record says.
std::uint64_t DataLength(Sk2Kind kind, std::uint32_t declared) {
    switch (kind) {
        case Sk2Kind::Integer:
            return 4;
        case Sk2Kind::Boolean:
            return 1;
        case Sk2Kind::Bitmap:
        case Sk2Kind::String:
            break;
    }
    return declared;
}

std::string RecordName(const char* record) {
    const void* nul = std::memchr(record, '\0', kNameSize);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - record)
                       : kNameSize;
    return std::string(record, length);
}

}  // namespace

std::string NameKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return key;
}

bool Sk2Bytes::ReadAt(std::uint64_t offset, std::size_t size, char* out) const {
    if (!Fits(offset, size, bytes_.size())) {
        return false;
    }
    std::memcpy(out, bytes_.data() + offset, size);
    return true;
}

Sk2Walk WalkSk2(const Sk2Input& input) {
    Sk2Walk walk;
    const std::uint64_t total = input.Size();
    char header[kMinHeaderLength];
    if (total < kMinHeaderLength) {
        walk.end = Sk2WalkEnd::BadHeader;
        return walk;
    }
    if (!input.ReadAt(0, sizeof header, header)) {
        walk.end = Sk2WalkEnd::ReadFailed;
        return walk;
    }
    const std::uint32_t headerLength = LittleEndian32(header + kHeaderLengthAt);
    if (headerLength < kMinHeaderLength || headerLength > total) {
        walk.end = Sk2WalkEnd::BadHeader;
        return walk;
    }

    std::unordered_set<std::uint32_t> seen;
    std::uint64_t dataBudget = total;
    std::uint32_t offset = LittleEndian32(header + kFirstRecordAt);
    while (true) {
        if (!Fits(offset, kRecordSize, total)) {
            walk.end = Sk2WalkEnd::RecordOutOfRange;
            break;
        }
        if (seen.size() == kMaxRecords) {
            walk.end = Sk2WalkEnd::TooManyRecords;
            break;
        }
        if (!seen.insert(offset).second) {
            walk.end = Sk2WalkEnd::RepeatedRecord;
            break;
        }
        char record[kRecordSize];
        if (!input.ReadAt(offset, kRecordSize, record)) {
            walk.end = Sk2WalkEnd::ReadFailed;
            break;
        }
        const std::uint32_t next = LittleEndian32(record + kNextRecordAt);
        if (next == 0) {
            walk.end = Sk2WalkEnd::Terminator;
            break;
        }
        offset = next;

        const auto rawKind = static_cast<std::uint8_t>(record[kKindAt]);
        const std::uint32_t dataOffset = LittleEndian32(record + kDataOffsetAt);
        if (rawKind > static_cast<std::uint8_t>(Sk2Kind::String)) {
            ++walk.skipped;
            continue;
        }
        const auto kind = static_cast<Sk2Kind>(rawKind);
        const std::uint64_t length = DataLength(kind, LittleEndian32(record + kDataSizeAt));
        if (!Fits(dataOffset, length, total)) {
            ++walk.skipped;
            continue;
        }
        if (length > dataBudget) {
            walk.end = Sk2WalkEnd::DataLimit;
            break;
        }
        dataBudget -= length;
        Sk2Record entry{RecordName(record), kind, std::string(length, '\0')};
        if (!input.ReadAt(dataOffset, entry.data.size(), entry.data.data())) {
            walk.end = Sk2WalkEnd::ReadFailed;
            break;
        }
        walk.records.push_back(std::move(entry));
    }
    return walk;
}

}  // namespace kestrum::skinfile
