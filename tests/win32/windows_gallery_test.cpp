// The gallery drawn on Windows against the same cases drawn on Linux, within
// the tolerance of rendered pictures. gallery_under_wine_test.sh renders both
// and names the folders in KESTRUM_GALLERY_LINUX and KESTRUM_GALLERY_WINDOWS.
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
        const PixelComparison comparison = ComparePixels(drawn, expected);
        EXPECT_TRUE(comparison.Within()) << comparison.Describe().toStdString();
    }
}

}  // namespace
}  // namespace kestrum::test
