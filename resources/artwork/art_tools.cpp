#include "resources/artwork/art_tools.h"

#include <QPainter>

namespace kestrum::artwork {

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QLinearGradient VerticalGradient(const QRectF& rect, std::initializer_list<QGradientStop> stops) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    for (const QGradientStop& stop : stops) {
        gradient.setColorAt(stop.first, stop.second);
    }
    return gradient;
}

QPainterPath Rounded(const QRectF& rect, double r) {
    QPainterPath path;
    path.addRoundedRect(rect, r, r);
    return path;
}

QImage KeyMagenta(const QImage& art, QColor rim) {
    QImage flat = Flatten(art, rim);
    const QImage source = art.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(source.pixel(x, y)) < 128) {
                flat.setPixel(x, y, kMagenta);
            }
        }
    }
    return flat;
}

QImage Flatten(const QImage& art, QColor background) {
    QImage flat(art.size(), QImage::Format_RGB32);
    flat.fill(background);
    QPainter painter(&flat);
    painter.drawImage(0, 0, art);
    return flat;
}

QImage JoinFrames(const std::initializer_list<QImage>& frames) {
    int width = 0, height = 0;
    for (const QImage& frame : frames) {
        width += frame.width();
        height = std::max(height, frame.height());
    }
    QImage strip(width, height, QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter painter(&strip);
    int x = 0;
    for (const QImage& frame : frames) {
        painter.drawImage(x, 0, frame);
        x += frame.width();
    }
    return strip;
}

}  // namespace kestrum::artwork
