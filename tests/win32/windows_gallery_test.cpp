// The gallery drawn on Windows against the same cases drawn on Linux, within
// the tolerance of rendered pictures. gallery_under_wine_test.sh renders both
// and names the folders in KESTRUM_GALLERY_LINUX and KESTRUM_GALLERY_WINDOWS.
// Menus and links place their glyphs a pixel apart on the two systems (the
// same font file, another font database: fontconfig's hinting settings on
// Linux, FreeType's own on Windows), and the main window shows the settings
// folder, which is another path on each; those cases must keep their size
// (a menu its height), and the window and control tests under Wine check that
// nothing in them is clipped.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cstdlib>

#include "support/image_compare.h"

namespace kestrum::test {
namespace {

QDir Folder(const char* variable) {
    const char* path = std::getenv(variable);
    return QDir(path != nullptr ? QString::fromLocal8Bit(path) : QString());
}

bool GlyphsOrPathsDiffer(const QString& name) {
    return name.startsWith("menu-") || name.startsWith("urllabel-") ||
           name.startsWith("window-main") || name == "gallery.png";
}

TEST(WindowsGallery, DrawsEveryCaseAsLinuxDoes) {
    const QDir linux = Folder("KESTRUM_GALLERY_LINUX");
    const QDir windows = Folder("KESTRUM_GALLERY_WINDOWS");
    const QStringList names = linux.entryList({"*.png"}, QDir::Files, QDir::Name);
    ASSERT_GT(names.size(), 10) << linux.path().toStdString();
    EXPECT_EQ(windows.entryList({"*.png"}, QDir::Files, QDir::Name), names) << "every case drawn";
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage drawn(windows.filePath(name));
        const QImage expected(linux.filePath(name));
        ASSERT_FALSE(drawn.isNull());
        if (GlyphsOrPathsDiffer(name)) {
            // A menu is as wide as its widest caption: that width follows the
            // glyphs, within a tenth; its rows keep their height.
            EXPECT_EQ(drawn.height(), expected.height());
            if (name.startsWith("menu-")) {
                EXPECT_NEAR(drawn.width(), expected.width(), expected.width() / 10);
            } else {
                EXPECT_EQ(drawn.width(), expected.width());
            }
            continue;
        }
        const PixelComparison comparison = ComparePixels(drawn, expected);
        EXPECT_TRUE(comparison.Within()) << comparison.Describe().toStdString();
    }
}

}  // namespace
}  // namespace kestrum::test
