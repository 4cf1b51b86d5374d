#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/core/file_theme_mgr.h"
#include "skin/core/skin_file_reader.h"
#include "skin/core/skin_file_sk2_build.h"
#include "skin_test_files.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using skinfile::BitmapRecord;
using skinfile::BooleanRecord;
using skinfile::IntegerRecord;
using skinfile::SkinReadOutcome;
using skinfile::StringRecord;

const std::vector<skinfile::Sk2Record> kSkin = {
    BitmapRecord("SKIN2_BUTTON", "BM button strip"),
    BitmapRecord("SKIN2_progressbar4", "BM right cap"),
    IntegerRecord("SKIN2_FORMCOLOR", 0x00E8E8E8),
    IntegerRecord("SKIN2_BUTTONFONTCOLOR", -16777201),  // $FF00000F, a system colour
    IntegerRecord("SKIN2_TITLEBARBUTTONPOSY", 7),
    BooleanRecord("SKIN2_BUTTONTRANS", true),
    BooleanRecord("SKIN2_CHECKBOXTRANS", false),
    StringRecord("AUTHOR", "Kestrum artists"),
};

class SkinFileReading : public ::testing::Test {
protected:
    // Writes the bytes as a skin file and reads it back.
    SkinReadOutcome ReadBytes(const std::string& bytes, const std::string& password = {}) {
        test::WriteFile(Path(), bytes);
        return reader_.Read(Path(), password);
    }
    std::string Path() const { return files_ / "theme.skin"; }

    test::TempFolder files_;  // made before TMPDIR moves, so not inside temporary_
    test::OwnTemporaryFolder temporary_;
    Tsk2SkinFileReader reader_;
};

TEST_F(SkinFileReading, ReadsEveryKindBackByNameWithoutRegardToCase) {
    ASSERT_EQ(ReadBytes(test::SkinFileBytes(kSkin)), SkinReadOutcome::Loaded);
    EXPECT_EQ(*reader_.Bitmap("skin2_button"), "BM button strip");
    EXPECT_EQ(*reader_.Bitmap("SKIN2_PROGRESSBAR4"), "BM right cap");
    EXPECT_EQ(reader_.Integer("Skin2_FormColor"), 0x00E8E8E8);
    EXPECT_EQ(reader_.Integer("SKIN2_BUTTONFONTCOLOR"), -16777201);
    EXPECT_EQ(reader_.Boolean("skin2_buttontrans"), true);
    EXPECT_EQ(reader_.Boolean("SKIN2_CHECKBOXTRANS"), false);
    EXPECT_EQ(*reader_.String("author"), "Kestrum artists");
    // Each list holds its own kind only.
    EXPECT_EQ(reader_.Bitmap("SKIN2_FORMCOLOR"), nullptr);
    EXPECT_EQ(reader_.Integer("SKIN2_BUTTON"), std::nullopt);
    EXPECT_EQ(reader_.Directory().size(), kSkin.size());
    EXPECT_EQ(reader_.Directory()[0].size, std::string("BM button strip").size());
    EXPECT_TRUE(temporary_.IsEmpty());
}

TEST_F(SkinFileReading, FirstOfTwoEqualNamesCountsAndNonZeroBytesAreTrue) {
    const skinfile::Sk2Record oddBoolean{"SKIN2_TITLEFIVESECT", skinfile::Sk2Kind::Boolean, "\x05"};
    ASSERT_EQ(ReadBytes(test::SkinFileBytes({IntegerRecord("SKIN2_FORMCOLOR", 1),
                                             IntegerRecord("skin2_formcolor", 2), oddBoolean})),
              SkinReadOutcome::Loaded);
    EXPECT_EQ(reader_.Integer("SKIN2_FORMCOLOR"), 1);
    EXPECT_EQ(reader_.Boolean("SKIN2_TITLEFIVESECT"), true);
}

TEST_F(SkinFileReading, Passwords) {
    const std::string locked = test::SkinFileBytes(kSkin, "s3cret pass");
    const std::string open = test::SkinFileBytes(kSkin);
    const struct {
        const char* what;
        const std::string& bytes;
        const char* password;
        SkinReadOutcome outcome;
    } cases[] = {
        {"right password", locked, "s3cret pass", SkinReadOutcome::Loaded},
        {"wrong password", locked, "s3cret", SkinReadOutcome::ArchiveFailed},
        {"no password", locked, "", SkinReadOutcome::ArchiveFailed},
        {"password for an open skin", open, "anything", SkinReadOutcome::Loaded},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadBytes(c.bytes, c.password), c.outcome) << c.what;
        EXPECT_TRUE(temporary_.IsEmpty()) << c.what;
    }
    ASSERT_EQ(ReadBytes(locked, "s3cret pass"), SkinReadOutcome::Loaded);
    EXPECT_EQ(*reader_.Bitmap("SKIN2_BUTTON"), "BM button strip");
}

std::string Replaced(std::string bytes, const std::string& from, const std::string& to) {
    for (std::size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at)) {
        bytes.replace(at, from.size(), to);
    }
    return bytes;
}

TEST_F(SkinFileReading, DamagedAndForeignFiles) {
    const std::string good = test::SkinFileBytes(kSkin);
    const struct {
        const char* what;
        std::string bytes;
        SkinReadOutcome outcome;
    } cases[] = {
        {"empty file", "", SkinReadOutcome::ArchiveFailed},
        {"text file", "This is not a skin.\n", SkinReadOutcome::ArchiveFailed},
        {"mark and nothing else", "SK", SkinReadOutcome::ArchiveFailed},
        {"mark and garbage", "SK" + std::string(4000, 'g'), SkinReadOutcome::ArchiveFailed},
        {"ZIP without the mark", good.substr(2), SkinReadOutcome::ArchiveFailed},
        {"truncated archive", good.substr(0, good.size() / 2), SkinReadOutcome::ArchiveFailed},
        {"damaged compressed data", Replaced(good, good.substr(60, 4), "\x7f\x7f\x7f\x7f"),
         SkinReadOutcome::ArchiveFailed},
        {"archive without the data entry", Replaced(good, "SKINDATA.SK2", "SKINDATA.TXT"),
         SkinReadOutcome::ArchiveFailed},
        {"data entry named in lower case", Replaced(good, "SKINDATA.SK2", "skindata.sk2"),
         SkinReadOutcome::Loaded},
        {"data entry without a header", test::SkinFileBytesOfData("tiny"),
         SkinReadOutcome::BadData},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadBytes(c.bytes), c.outcome) << c.what;
        EXPECT_TRUE(temporary_.IsEmpty()) << c.what;
    }
    EXPECT_EQ(reader_.Read(files_ / "missing.skin", ""), SkinReadOutcome::FileMissing);
}

TEST_F(SkinFileReading, HostileDataEntriesInsideAGoodArchive) {
    std::string looping = skinfile::BuildSk2(kSkin);
    // Point the last entry's record back at the first: the chain loops.
    const std::size_t lastRecord = 24 + (kSkin.size() - 1) * skinfile::kRecordSize;
    looping.replace(lastRecord + skinfile::kNextRecordAt, 4, std::string("\x18\0\0\0", 4));
    ASSERT_EQ(ReadBytes(test::SkinFileBytesOfData(looping)), SkinReadOutcome::Loaded);
    EXPECT_EQ(reader_.WalkEnd(), skinfile::Sk2WalkEnd::RepeatedRecord);
    EXPECT_EQ(reader_.Directory().size(), kSkin.size());

    std::string hugeHeader = skinfile::BuildSk2(kSkin);
    hugeHeader.replace(skinfile::kHeaderLengthAt, 4, "\xff\xff\xff\x7f");
    EXPECT_EQ(ReadBytes(test::SkinFileBytesOfData(hugeHeader)), SkinReadOutcome::BadData);
    EXPECT_TRUE(temporary_.IsEmpty());
}

// Deflated zeros: a small file that unpacks to far more than a skin may hold.
class DeflateBomb : public SkinFileReading {
protected:
    static void SetUpTestSuite() {
        bomb_ = test::SkinFileBytesOfData(std::string(80u << 20, '\0'));
    }
    static void TearDownTestSuite() { bomb_.clear(); }
    static std::string bomb_;
};
std::string DeflateBomb::bomb_;

TEST_F(DeflateBomb, HonestSizeAboveTheLimitIsRefusedBeforeUnpacking) {
    ASSERT_LT(bomb_.size(), 1u << 20);
    EXPECT_EQ(ReadBytes(bomb_), SkinReadOutcome::TooLarge);
    EXPECT_TRUE(temporary_.IsEmpty());
}

TEST_F(DeflateBomb, UnderstatedSizeStopsUnpackingAtTheStatedSize) {
    std::string understated = bomb_;
    test::SetDeclaredSize(understated, 1000);
    EXPECT_EQ(ReadBytes(understated), SkinReadOutcome::SizeMismatch);
    EXPECT_TRUE(temporary_.IsEmpty());
}

TEST_F(SkinFileReading, OverstatedSizeIsAMismatch) {
    std::string overstated = test::SkinFileBytes(kSkin);
    test::SetDeclaredSize(overstated, 100'000);
    const SkinReadOutcome outcome = ReadBytes(overstated);
    EXPECT_EQ(outcome, SkinReadOutcome::SizeMismatch);
    EXPECT_TRUE(temporary_.IsEmpty());
}

// The manager's numbered lookups.
class FileThemeManager : public SkinFileReading {
protected:
    bool Load(const std::string& bytes, const std::string& password = {}) {
        test::WriteFile(Path(), bytes);
        return manager_.Load(Path(), password);
    }
    TlumFileThemeMgr manager_;
};

TEST_F(FileThemeManager, NumberedLookupsOfALoadedSkin) {
    ASSERT_TRUE(Load(test::SkinFileBytes(kSkin)));
    EXPECT_EQ(*manager_.Bitmap(15), "BM button strip");  // SKIN2_BUTTON
    EXPECT_EQ(*manager_.Bitmap(22), "BM right cap");     // SKIN2_PROGRESSBAR4
    EXPECT_EQ(manager_.Bitmap(16), nullptr);             // no check box strip
    EXPECT_EQ(manager_.Colour(2), 0x00E8E8E8);           // SKIN2_FORMCOLOR
    EXPECT_EQ(manager_.Colour(24), -16777201);           // SKIN2_BUTTONFONTCOLOR
    EXPECT_EQ(manager_.Colour(21), -1);                  // missing
    EXPECT_EQ(manager_.Position(4), 7);                  // SKIN2_TITLEBARBUTTONPOSY
    EXPECT_EQ(manager_.Position(0), -1);
    EXPECT_TRUE(manager_.Boolean(5));   // SKIN2_BUTTONTRANS
    EXPECT_FALSE(manager_.Boolean(6));  // SKIN2_CHECKBOXTRANS = false
    EXPECT_FALSE(manager_.Boolean(0));  // missing
    // Numbers outside the table.
    for (const int n : {-1, 84, 1'000'000, -2'147'483'647 - 1, 2'147'483'647}) {
        EXPECT_EQ(manager_.Bitmap(n), nullptr) << n;
        EXPECT_EQ(manager_.Colour(n), -1) << n;
        EXPECT_EQ(manager_.Position(n), -1) << n;
        EXPECT_FALSE(manager_.Boolean(n)) << n;
    }
}

TEST_F(FileThemeManager, NeutralAnswersWithoutASkin) {
    EXPECT_FALSE(manager_.Loaded());
    EXPECT_EQ(manager_.Bitmap(15), nullptr);
    EXPECT_EQ(manager_.Colour(24), 0);
    EXPECT_EQ(manager_.Position(4), 0);
    EXPECT_FALSE(manager_.Boolean(5));
}

TEST_F(FileThemeManager, AMissingFileKeepsTheSkinAFailedLoadDropsIt) {
    ASSERT_TRUE(Load(test::SkinFileBytes(kSkin)));
    EXPECT_FALSE(manager_.Load(files_ / "missing.skin", ""));
    EXPECT_EQ(manager_.LastOutcome(), SkinReadOutcome::FileMissing);
    EXPECT_EQ(manager_.Colour(2), 0x00E8E8E8);

    EXPECT_FALSE(Load(test::SkinFileBytes(kSkin, "pw"), "wrong"));
    EXPECT_EQ(manager_.LastOutcome(), SkinReadOutcome::ArchiveFailed);
    EXPECT_FALSE(manager_.Loaded());
    EXPECT_EQ(manager_.Colour(2), 0);
}

}  // namespace
}  // namespace kestrum
