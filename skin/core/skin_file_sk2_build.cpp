#include "skin/core/skin_file_sk2_build.h"

#include <algorithm>
#include <utility>

namespace kestrum::skinfile {

namespace {

// Bytes 0 to 11 of the header are ours to use: a signature and a version.
constexpr char kSignature[8] = {'S', 'K', 'I', 'N', '2', 'D', 'A', 'T'};
constexpr std::uint32_t kFormatVersion = 1;

void Put32(std::string& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::string Little32(std::int32_t value) {
    std::string bytes(4, '\0');
    Put32(bytes, 0, static_cast<std::uint32_t>(value));
    return bytes;
}

}  // namespace

Sk2Record BitmapRecord(std::string name, std::string bitmapFile) {
    return {std::move(name), Sk2Kind::Bitmap, std::move(bitmapFile)};
}

Sk2Record IntegerRecord(std::string name, std::int32_t value) {
    return {std::move(name), Sk2Kind::Integer, Little32(value)};
}

Sk2Record BooleanRecord(std::string name, bool value) {
    return {std::move(name), Sk2Kind::Boolean, std::string(1, value ? '\1' : '\0')};
}

Sk2Record StringRecord(std::string name, std::string text) {
    return {std::move(name), Sk2Kind::String, std::move(text)};
}

std::string BuildSk2(const std::vector<Sk2Record>& records) {
    const std::size_t directoryEnd = kMinHeaderLength + (records.size() + 1) * kRecordSize;
    std::size_t total = directoryEnd;
    for (const Sk2Record& record : records) {
        total += record.data.size();
    }

    std::string out(directoryEnd, '\0');
    out.reserve(total);
    out.replace(0, sizeof kSignature, kSignature, sizeof kSignature);
    Put32(out, 8, kFormatVersion);
    Put32(out, kHeaderLengthAt, kMinHeaderLength);
    Put32(out, 16, static_cast<std::uint32_t>(records.size()));
    Put32(out, kFirstRecordAt, kMinHeaderLength);

    std::size_t recordAt = kMinHeaderLength;
    for (const Sk2Record& record : records) {
        const std::size_t nameLength = std::min(record.name.size(), kMaxNameLength);
        out.replace(recordAt, nameLength, record.name, 0, nameLength);
        out[recordAt + kKindAt] = static_cast<char>(record.kind);
        Put32(out, recordAt + kDataOffsetAt, static_cast<std::uint32_t>(out.size()));
        Put32(out, recordAt + kDataSizeAt, static_cast<std::uint32_t>(record.data.size()));
        Put32(out, recordAt + kNextRecordAt, static_cast<std::uint32_t>(recordAt + kRecordSize));
        out += record.data;
        recordAt += kRecordSize;
    }
    // The terminator record stays all zeros: next offset 0 ends the chain.
    return out;
}

}  // namespace kestrum::skinfile
