// The banners, decoded by libjpeg.
#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include "app/ui/jpeg_picture.h"
#include "resources/program_pictures.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

QByteArray Resource(const char* name) {
    pictures::InitProgramPictures();
    QFile file(name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QByteArray Encoded(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPG", 95));
    return bytes;
}

int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

TEST(JpegPicture, DecodesBothBannersAtTheirSizes) {
    const struct {
        const char* name;
        QSize size;
    } cases[] = {{pictures::kMainBanner, {405, 50}}, {pictures::kAboutBanner, {360, 50}}};
    for (const auto& c : cases) {
        const QByteArray data = Resource(c.name);
        ASSERT_TRUE(data.startsWith("\xff\xd8")) << c.name << " is a JPEG file";
        const QImage decoded = DecodeJpeg(data);
        ASSERT_EQ(decoded.size(), c.size) << c.name;
        EXPECT_EQ(LoadJpegPicture(c.name), decoded);
        if (QImageWriter::supportedImageFormats().contains("jpg")) {
            const QImage reference =
                QImage::fromData(data, "JPG").convertToFormat(QImage::Format_RGB32);
            EXPECT_LE(LargestDifference(decoded, reference), 2) << c.name;
        }
    }
}

TEST(JpegPicture, GreyPicturesComeOutAsRgbAndBadDataAsNothing) {
    if (!QImageWriter::supportedImageFormats().contains("jpg")) {
        GTEST_SKIP() << "no JPEG writer to make test pictures with";
    }
    QImage grey(8, 8, QImage::Format_Grayscale8);
    grey.fill(128);
    const QImage decoded = DecodeJpeg(Encoded(grey));
    ASSERT_EQ(decoded.size(), QSize(8, 8));
    const QRgb pixel = decoded.pixel(3, 3);
    EXPECT_EQ(qRed(pixel), qGreen(pixel));
    EXPECT_EQ(qGreen(pixel), qBlue(pixel));
    EXPECT_NEAR(qRed(pixel), 128, 2);

    const QByteArray banner = Resource(pictures::kMainBanner);
    const QByteArray bad[] = {
        QByteArray(),
        QByteArray("not a picture at all"),
        banner.left(2),
        QByteArray("\xff\xd8\xff\xe0") + QByteArray(64, '\x01'),
    };
    for (const QByteArray& data : bad) {
        EXPECT_TRUE(DecodeJpeg(data).isNull()) << data.size() << " bytes";
    }
    EXPECT_TRUE(LoadJpegPicture(":/pictures/NO_SUCH_PICTURE").isNull());
    // A cut-off file still gives the whole picture, its lost part filled in.
    EXPECT_EQ(DecodeJpeg(banner.left(banner.size() / 2)).size(), QSize(405, 50));
}

}  // namespace
}  // namespace kestrum
