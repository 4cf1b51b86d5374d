#include "skin/ui/skin_bitmaps.h"

#include <QHash>
#include <QString>
#include <map>
#include <tuple>

#include "resources/program_pictures.h"
#include "skin/core/strip_frame.h"
#include "skin/core/theme_table.h"

namespace kestrum {

QImage WithoutKeyColour(const QImage& image, QRgb key) {
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) {
                line[x] = 0;
            }
        }
    }
    return keyed;
}

QImage LoadSkinBitmap(std::string_view name) {
    if (name.empty()) {
        return {};
    }
    // Decoded once; QImage shares the pixels with every caller.
    static QHash<QString, QImage> cache;
    const QString key = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    auto found = cache.find(key);
    if (found == cache.end()) {
        pictures::InitProgramPictures();
        QImage image = pictures::ReadPngPicture(":/skin/" + key);
        if (!image.isNull()) {
            image = image.convertToFormat(QImage::Format_RGB32);
        }
        found = cache.insert(key, image);
    }
    return found.value();
}

QImage GetThemeBitmap(TlumUIStyle style, int item) {
    return LoadSkinBitmap(GetThemeBitmapName(style, item));
}

QImage CutStripFrame(const QImage& strip, int count, int index) {
    if (strip.isNull()) {
        return {};
    }
    const PixelRect frame = CutStripFrame(PixelSize{strip.width(), strip.height()}, count, index);
    if (frame.IsEmpty()) {
        return {};
    }
    return strip.copy(frame.left, frame.top, frame.Width(), frame.Height());
}

SkinFrame::SkinFrame(const QImage& image)
    : opaque(image.convertToFormat(QImage::Format_RGB32)),
      keyed(
          WithoutKeyColour(image, 0xFF00FF).convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

SkinFrame StripSkinFrame(const QImage& strip, int count, int index) {
    if (strip.isNull()) {
        return {};
    }
    // An image's cache key is never given to another image, so a strip
    // changed or freed meanwhile can only miss here.
    static std::map<std::tuple<qint64, int, int>, SkinFrame> prepared;
    const auto [found, added] = prepared.try_emplace({strip.cacheKey(), count, index});
    if (added) {
        found->second = SkinFrame(CutStripFrame(strip, count, index));
    }
    return found->second;
}

const QImage& MenuCheckedImage() {
    static const QImage image = WithoutKeyColour(LoadSkinBitmap("MENU_CHECKED"), 0xFFFFFF)
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

}  // namespace kestrum
