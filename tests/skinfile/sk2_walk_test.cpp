#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/core/skin_file_sk2.h"
#include "skin/core/skin_file_sk2_build.h"

namespace kestrum::skinfile {
namespace {

void Put32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
    }
}

// A header of `length` bytes naming `first` as the first record.
std::string Header(std::uint32_t first, std::uint32_t length = kMinHeaderLength) {
    std::string bytes(kMinHeaderLength, '\0');
    Put32(bytes, kHeaderLengthAt, length);
    Put32(bytes, kFirstRecordAt, first);
    return bytes;
}

std::string Record(const std::string& name, std::uint8_t kind, std::uint32_t dataOffset,
                   std::uint32_t dataSize, std::uint32_t next) {
    std::string bytes(kRecordSize, '\0');
    bytes.replace(0, name.size(), name);
    bytes[kKindAt] = static_cast<char>(kind);
    Put32(bytes, kDataOffsetAt, dataOffset);
    Put32(bytes, kDataSizeAt, dataSize);
    Put32(bytes, kNextRecordAt, next);
    return bytes;
}

Sk2Walk Walk(const std::string& bytes) {
    return WalkSk2(Sk2Bytes(bytes));
}

std::vector<std::string> Names(const Sk2Walk& walk) {
    std::vector<std::string> names;
    for (const Sk2Record& record : walk.records) {
        names.push_back(record.name);
    }
    return names;
}

const std::vector<Sk2Record> kSample = {
    BitmapRecord("SKIN2_BUTTON", "BM-button-strip"),
    IntegerRecord("SKIN2_BUTTONFONTCOLOR", -16777201),
    BooleanRecord("SKIN2_BUTTONTRANS", true),
    StringRecord("NAME", "Graphite"),
};

TEST(Sk2Walk, ReadsBackWhatWasBuilt) {
    const Sk2Walk walk = Walk(BuildSk2(kSample));
    EXPECT_EQ(walk.end, Sk2WalkEnd::Terminator);
    EXPECT_EQ(walk.skipped, 0u);
    ASSERT_EQ(walk.records.size(), kSample.size());
    for (std::size_t i = 0; i < kSample.size(); ++i) {
        EXPECT_EQ(walk.records[i].name, kSample[i].name);
        EXPECT_EQ(walk.records[i].kind, kSample[i].kind);
        EXPECT_EQ(walk.records[i].data, kSample[i].data);
    }
}

TEST(Sk2Walk, EmptyDirectoryAndFullLengthName) {
    EXPECT_TRUE(Walk(BuildSk2({})).records.empty());
    EXPECT_EQ(Walk(BuildSk2({})).end, Sk2WalkEnd::Terminator);

    // A name that fills all 64 bytes has no terminating NUL.
    const std::string longName(kNameSize, 'N');
    std::string bytes =
        Header(24) + Record(longName, 3, 24 + 2 * 77, 1, 24 + 77) + Record("", 0, 0, 0, 0) + "x";
    EXPECT_EQ(Names(Walk(bytes)), std::vector<std::string>{longName});
}

TEST(Sk2Walk, UnusableHeaders) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"shorter than a header", Header(24).substr(0, 23)},
        {"header length below 24", Header(24, 16) + Record("", 0, 0, 0, 0)},
        {"header length past the entry", Header(24, 24 + 78) + Record("", 0, 0, 0, 0)},
        {"huge header length", Header(24, 0xFFFFFFFF) + Record("", 0, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        const Sk2Walk walk = Walk(c.bytes);
        EXPECT_EQ(walk.end, Sk2WalkEnd::BadHeader) << c.what;
        EXPECT_FALSE(walk.Usable()) << c.what;
    }
    // The header may be as long as the entry itself.
    EXPECT_TRUE(Walk(Header(24, 24 + 77) + Record("", 0, 0, 0, 0)).Usable());
}

TEST(Sk2Walk, StopsAtBrokenChainsKeepingWhatWasRead) {
    const std::uint32_t a = 24, b = 24 + 77, data = 24 + 2 * 77;
    const struct {
        const char* what;
        std::string bytes;
        Sk2WalkEnd end;
        std::vector<std::string> names;
    } cases[] = {
        {"first record past the end", Header(1000) + "data", Sk2WalkEnd::RecordOutOfRange, {}},
        {"first record overhangs the end",
         Header(24) + std::string(76, 'r'),
         Sk2WalkEnd::RecordOutOfRange,
         {}},
        {"next record past the end",
         Header(a) + Record("A", 3, data - 77, 1, 0xFFFFFF00) + "x",
         Sk2WalkEnd::RecordOutOfRange,
         {"A"}},
        {"record pointing at itself",
         Header(a) + Record("A", 3, data - 77, 1, a) + "x",
         Sk2WalkEnd::RepeatedRecord,
         {"A"}},
        {"two records in a ring",
         Header(a) + Record("A", 3, data, 1, b) + Record("B", 3, data, 1, a) + "x",
         Sk2WalkEnd::RepeatedRecord,
         {"A", "B"}},
    };
    for (const auto& c : cases) {
        const Sk2Walk walk = Walk(c.bytes);
        EXPECT_EQ(walk.end, c.end) << c.what;
        EXPECT_TRUE(walk.Usable()) << c.what;
        EXPECT_EQ(Names(walk), c.names) << c.what;
    }
}

TEST(Sk2Walk, SkipsRecordsWhoseDataLiesOutsideTheEntry) {
    const std::uint32_t first = 24, end = 24 + 8 * 77;
    std::string bytes = Header(first);
    const struct {
        const char* name;
        std::uint8_t kind;
        std::uint32_t offset, size;
    } records[] = {
        {"OFFSET_PAST_END", 0, end + 100, 1},
        {"SIZE_PAST_END", 0, end, 5},
        {"WRAPS_AROUND", 3, 0xFFFFFFF0, 0x20},
        {"INTEGER_CUT_SHORT", 1, end + 1, 1},  // an integer needs 4 bytes whatever the size says
        {"UNKNOWN_KIND", 9, end, 1},
        {"FITS", 3, end, 4},
        {"BOOLEAN_AT_LAST_BYTE", 2, end + 3, 0},
    };
    std::uint32_t at = first;
    for (const auto& r : records) {
        at += kRecordSize;
        bytes += Record(r.name, r.kind, r.offset, r.size, at);
    }
    bytes += Record("", 0, 0, 0, 0);
    ASSERT_EQ(bytes.size(), end);
    bytes += "abcd";

    const Sk2Walk walk = Walk(bytes);
    EXPECT_EQ(walk.end, Sk2WalkEnd::Terminator);
    EXPECT_EQ(Names(walk), (std::vector<std::string>{"FITS", "BOOLEAN_AT_LAST_BYTE"}));
    EXPECT_EQ(walk.skipped, 5u);
    EXPECT_EQ(walk.records[1].data, "d");
}

TEST(Sk2Walk, StopsAfterTenThousandRecords) {
    // A chain of 12,000 records with no terminator.
    const std::size_t count = 12'000;
    std::string bytes = Header(24);
    for (std::size_t i = 0; i < count; ++i) {
        const auto next = static_cast<std::uint32_t>(24 + (i + 1) * kRecordSize);
        bytes += Record("R", 2, 0, 1, i + 1 < count ? next : 24);
    }
    const Sk2Walk walk = Walk(bytes);
    EXPECT_EQ(walk.end, Sk2WalkEnd::TooManyRecords);
    EXPECT_EQ(walk.records.size(), kMaxRecords);
}

TEST(Sk2Walk, StoredDataNeverOutgrowsTheEntry) {
    // Every record claims the same 40,000 bytes: without a limit, 10,000
    // records would hold 400 MB.
    const std::uint32_t blobSize = 40'000;
    const std::size_t count = 50;
    const auto blobAt = static_cast<std::uint32_t>(24 + (count + 1) * kRecordSize);
    std::string bytes = Header(24);
    for (std::size_t i = 0; i < count; ++i) {
        bytes += Record("BIG", 0, blobAt, blobSize, static_cast<std::uint32_t>(24 + (i + 1) * 77));
    }
    bytes += Record("", 0, 0, 0, 0) + std::string(blobSize, 'b');
    const Sk2Walk walk = Walk(bytes);
    EXPECT_EQ(walk.end, Sk2WalkEnd::DataLimit);
    std::size_t stored = 0;
    for (const Sk2Record& record : walk.records) {
        stored += record.data.size();
    }
    EXPECT_LE(stored, bytes.size());
    EXPECT_GE(walk.records.size(), 1u);
}

TEST(Sk2Walk, EveryTruncationOfAnEntryIsHandled) {
    const std::string whole = BuildSk2(kSample);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const Sk2Walk walk = Walk(whole.substr(0, length));
        EXPECT_LE(walk.records.size(), kSample.size()) << length;
        for (const Sk2Record& record : walk.records) {
            EXPECT_LE(record.data.size(), length) << length;
        }
    }
}

}  // namespace
}  // namespace kestrum::skinfile
