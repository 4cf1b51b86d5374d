// The committed pictures are what the generator draws, at the sizes and
// divisions the controls cut them by.
#include <gtest/gtest.h>

#include <QFile>

#include "resources/artwork/artwork_manifest.h"
#include "resources/program_pictures.h"
#include "skin/core/theme_table.h"
#include "skin/ui/skin_bitmaps.h"
#include "support/image_compare.h"

namespace kestrum {
namespace {

TEST(Artwork, TheCommittedFilesAreTheGeneratorsOutput) {
    for (const artwork::ArtworkFile& file : artwork::AllArtwork()) {
        SCOPED_TRACE(file.path.toStdString());
        QFile committed(QString(KESTRUM_IMAGES_DIR) + "/" + file.path);
        ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
        // Pixels, not bytes: the encoders' output depends on the zlib and
        // libjpeg builds, and anti-aliased edges on the processor.
        const QImage drawn = QImage::fromData(artwork::EncodeArtwork(file));
        const test::PixelComparison comparison =
            test::ComparePixels(drawn, QImage::fromData(committed.readAll()));
        EXPECT_TRUE(comparison.Within())
            << comparison.Describe().toStdString() << ": run resources/generate-artwork";
    }
}

TEST(Artwork, ThePixelToleranceLetsRoundingThroughAndCatchesRedrawing) {
    QImage base(40, 40, QImage::Format_ARGB32_Premultiplied);
    base.fill(qRgba(90, 120, 200, 255));
    const auto changed = [&](int pixels, int by) {
        QImage image = base.copy();
        for (int i = 0; i < pixels; ++i) {
            image.setPixel(i % 40, i / 40, qRgba(90 + by, 120, 200, 255));
        }
        return image;
    };
    const struct {
        QImage image;
        bool within;
    } cases[] = {
        {base, true},
        {changed(16, 1), true},   // a few edge pixels a unit apart
        {changed(80, 2), true},   // the most that may differ, by the most
        {changed(81, 1), false},  // more pixels than 5 %
        {changed(1, 3), false},   // one pixel beyond the tolerance
        {base.copy(0, 0, 40, 39), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(test::ComparePixels(c.image, base).Within(), c.within)
            << test::ComparePixels(c.image, base).Describe().toStdString();
    }
}

TEST(Artwork, SkinBitmapsHaveTheirSizesAndKeys) {
    using S = TlumUIStyle;
    struct Case {
        S style;
        QSize button, checkBox, progress;
    };
    const Case cases[] = {
        {S::MacOS, {252, 23}, {60, 17}, {13, 10}},    {S::WinXP, {54, 21}, {52, 13}, {6, 10}},
        {S::DeepBlue, {222, 21}, {52, 13}, {1, 10}},  {S::Protein, {222, 21}, {52, 13}, {1, 10}},
        {S::BlueGlass, {231, 27}, {52, 13}, {1, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(UIStyleName(c.style).data());
        EXPECT_EQ(GetThemeBitmap(c.style, 1).size(), c.button);
        EXPECT_EQ(GetThemeBitmap(c.style, 3).size(), c.checkBox);
        EXPECT_EQ(GetThemeBitmap(c.style, 24).size(), c.progress);
        // Corners are keyed where the style draws its buttons transparent.
        const bool keyed = GetThemeBitmap(c.style, 1).pixel(0, 0) == qRgb(255, 0, 255);
        EXPECT_EQ(keyed, GetThemeBool(c.style, 2));
    }
    EXPECT_TRUE(GetThemeBitmap(S::FromThemeFile, 1).isNull());
    EXPECT_EQ(LoadSkinBitmap("MENU_CHECKED").size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(MenuCheckedImage().pixel(0, 0)), 0) << "white is transparent";
    EXPECT_EQ(qAlpha(MenuCheckedImage().pixel(8, 8)), 255);
}

TEST(Artwork, WindowPicturesLoadByName) {
    pictures::InitProgramPictures();
    const std::pair<const char*, QSize> pictures[] = {
        {pictures::kMainBanner, {405, 50}},    {pictures::kAboutBanner, {360, 50}},
        {pictures::kProgramEmblem, {32, 32}},  {pictures::kUpdateIcon, {16, 16}},
        {pictures::kAdvancedIcon, {32, 32}},   {pictures::kAdvancedIconHover, {32, 32}},
        {pictures::kConvertPicture, {32, 32}}, {pictures::kConvertProgressFill, {6, 10}},
        {pictures::kProgramIcon48, {48, 48}},  {pictures::kProgramIcon256, {256, 256}},
    };
    for (const auto& [name, size] : pictures) {
        EXPECT_EQ(QImage(name).size(), size) << name;
    }
    EXPECT_TRUE(QImage(pictures::kProgramEmblem).hasAlphaChannel());
    EXPECT_EQ(QImage(pictures::kConvertProgressFill).format(), QImage::Format_Indexed8);
}

}  // namespace
}  // namespace kestrum
