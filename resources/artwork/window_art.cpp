// The pictures of the windows: banners, emblem and icons.
#include "resources/artwork/window_art.h"

#include <QPainter>
#include <QtMath>

#include "resources/artwork/art_tools.h"

namespace kestrum::artwork {
namespace {

void DrawFilmStrip(QPainter& p, const QRectF& band, double hole, QColor holes) {
    p.setPen(Qt::NoPen);
    p.setBrush(holes);
    for (double x = band.left() + hole; x + hole <= band.right(); x += hole * 2.2) {
        p.drawRoundedRect(QRectF(x, band.top() + band.height() * 0.18, hole, band.height() * 0.22),
                          1, 1);
        p.drawRoundedRect(
            QRectF(x, band.bottom() - band.height() * 0.40, hole, band.height() * 0.22), 1, 1);
    }
}

void DrawWave(QPainter& p, double left, double right, double mid, double amplitude, double period,
              double phase) {
    QPainterPath path;
    for (double x = left; x <= right; x += 1) {
        const double fade = std::sin(M_PI * (x - left) / (right - left));
        const double y = mid + amplitude * fade * std::sin((x + phase) * 2 * M_PI / period);
        if (x == left) {
            path.moveTo(x, y);
        } else {
            path.lineTo(x, y);
        }
    }
    p.drawPath(path);
}

void DrawPlay(QPainter& p, const QRectF& box, QColor color) {
    QPainterPath play;
    play.moveTo(box.left(), box.top());
    play.lineTo(box.right(), box.center().y());
    play.lineTo(box.left(), box.bottom());
    play.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(play);
}

}  // namespace

QImage Banner(int width) {
    const int height = 50;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, width, 0);
    sky.setColorAt(0, QColor(0x0A, 0x22, 0x40));
    sky.setColorAt(0.55, QColor(0x13, 0x4A, 0x78));
    sky.setColorAt(1, QColor(0x0C, 0x33, 0x5C));
    p.fillRect(image.rect(), sky);
    // A soft sheen over the upper half.
    p.fillRect(QRectF(0, 0, width, 22),
               VerticalGradient(QRectF(0, 0, width, 22),
                                {{0, QColor(255, 255, 255, 38)}, {1, QColor(255, 255, 255, 0)}}));
    // A film strip running along the bottom edge.
    const QRectF band(0, 39, width, 11);
    p.fillRect(band, QColor(0, 0, 0, 70));
    DrawFilmStrip(p, band, 4, QColor(255, 255, 255, 46));
    // Sound waves rising out of the right half.
    const double left = width * 0.45, right = width - 6;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x6C, 0xD4, 0xFF, 70), 1.4));
    DrawWave(p, left, right, 22, 11, 38, 0);
    p.setPen(QPen(QColor(0xFF, 0xB0, 0x5C, 60), 1.2));
    DrawWave(p, left + 20, right, 24, 7, 26, 9);
    p.setPen(QPen(QColor(255, 255, 255, 36), 1.0));
    DrawWave(p, left - 30, right, 20, 4, 17, 4);
    return image;
}

QImage Emblem(int size) {
    QImage image = Canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const QRectF tile(1, 1, 30, 30);
    p.setPen(QPen(QColor(0x9A, 0x35, 0x12), 1));
    p.setBrush(VerticalGradient(tile, {{0, QColor(0xFF, 0xB2, 0x4E)},
                                       {0.55, QColor(0xF2, 0x6B, 0x22)},
                                       {1, QColor(0xD2, 0x45, 0x18)}}));
    p.drawRoundedRect(tile, 6, 6);
    // Perforations along the top and bottom, as on a strip of film.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6E, 0x22, 0x08, 150));
    for (int i = 0; i < 5; ++i) {
        p.drawRoundedRect(QRectF(5 + i * 5, 3.5, 2.6, 2.2), 0.6, 0.6);
        p.drawRoundedRect(QRectF(5 + i * 5, 26.3, 2.6, 2.2), 0.6, 0.6);
    }
    // Sheen.
    p.setBrush(QColor(255, 255, 255, 55));
    p.drawRoundedRect(QRectF(2, 2, 28, 12), 5, 5);
    DrawPlay(p, QRectF(7.5, 9.5, 10, 13), QColor(255, 255, 255));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 235 - i * 55), 1.8, Qt::SolidLine, Qt::RoundCap));
        const double r = 4 + i * 3.2;
        p.drawArc(QRectF(16 - r, 16 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    return image;
}

QImage UpdateIcon() {
    QImage image = Canvas(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1D, 0x6B, 0x1D), 1));
    p.setBrush(VerticalGradient(QRectF(0, 0, 16, 16),
                                {{0, QColor(0x7E, 0xD9, 0x5E)}, {1, QColor(0x27, 0x8F, 0x27)}}));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 1.7, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(4, 4, 8, 8), 100 * 16, 250 * 16);
    QPainterPath head;
    head.moveTo(8.6, 1.9);
    head.lineTo(11.4, 4.2);
    head.lineTo(8.2, 6.1);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(head);
    return image;
}

QImage AdvancedIcon(bool hot) {
    QImage image = Canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (hot) {
        QRadialGradient glow(16, 16, 16);
        glow.setColorAt(0, QColor(0xFF, 0xD8, 0x7A, 150));
        glow.setColorAt(1, QColor(0xFF, 0xD8, 0x7A, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QRectF(0, 0, 32, 32));
    }
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double angle = i * 2 * M_PI / (teeth * 4) - M_PI / (teeth * 4);
        const double r = (i % 4 == 0 || i % 4 == 1) ? 13.2 : 10.2;
        const QPointF point(16 + r * std::cos(angle), 16 + r * std::sin(angle));
        if (i == 0) {
            gear.moveTo(point);
        } else {
            gear.lineTo(point);
        }
    }
    gear.closeSubpath();
    gear.addEllipse(QPointF(16, 16), 4.2, 4.2);
    const QColor light = hot ? QColor(0xFF, 0xC8, 0x5A) : QColor(0x8F, 0xAE, 0xCC);
    const QColor dark = hot ? QColor(0xDA, 0x6A, 0x0C) : QColor(0x34, 0x55, 0x7A);
    p.setPen(QPen(hot ? QColor(0x8A, 0x3C, 0x04) : QColor(0x22, 0x38, 0x52), 1));
    p.setBrush(VerticalGradient(QRectF(2, 2, 28, 28), {{0, light}, {1, dark}}));
    p.drawPath(gear);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, hot ? 90 : 60));
    p.drawEllipse(QRectF(9, 7, 14, 7));
    return image;
}

QImage ConvertPicture() {
    QImage image = Canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The film frame going in.
    const QRectF film(1.5, 3.5, 17, 19);
    p.setPen(QPen(QColor(0x1E, 0x2A, 0x38), 1));
    p.setBrush(
        VerticalGradient(film, {{0, QColor(0x5A, 0x6E, 0x86)}, {1, QColor(0x2C, 0x3A, 0x4C)}}));
    p.drawRoundedRect(film, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(3, 5.5 + i * 4.4, 1.8, 2));
        p.drawRect(QRectF(15.2, 5.5 + i * 4.4, 1.8, 2));
    }
    p.setBrush(VerticalGradient(QRectF(6, 7, 8, 12),
                                {{0, QColor(0x8F, 0xD6, 0xFF)}, {1, QColor(0x2F, 0x7E, 0xC4)}}));
    p.drawRect(QRectF(6, 7, 8, 12));
    // The warm tile coming out, with a note on it.
    const QRectF tile(13.5, 13.5, 17, 17);
    p.setPen(QPen(QColor(0x9A, 0x35, 0x12), 1));
    p.setBrush(
        VerticalGradient(tile, {{0, QColor(0xFF, 0xB2, 0x4E)}, {1, QColor(0xD8, 0x4C, 0x1A)}}));
    p.drawRoundedRect(tile, 3.5, 3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(17.2, 23.2, 5, 3.8));
    p.drawRect(QRectF(21.1, 16.5, 1.5, 8.5));
    QPainterPath flag;
    flag.moveTo(22.6, 16.5);
    flag.cubicTo(25.5, 17.5, 27, 19.5, 25.5, 22);
    flag.cubicTo(25.8, 20, 24.5, 19.2, 22.6, 19.2);
    flag.closeSubpath();
    p.drawPath(flag);
    return image;
}

QImage ConvertProgressFill() {
    static constexpr QRgb kRows[] = {0xFFFFE3BE, 0xFFFFC98A, 0xFFFFAE5C, 0xFFFB943A, 0xFFF27A22,
                                     0xFFEE7019, 0xFFF27B25, 0xFFF68C37, 0xFFFAA352, 0xFFFDC07E};
    QImage image(6, 10, QImage::Format_Indexed8);
    QList<QRgb> palette(256, 0xFF000000);
    for (int y = 0; y < 10; ++y) {
        palette[y] = kRows[y];
    }
    image.setColorTable(palette);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 6; ++x) {
            image.setPixel(x, y, static_cast<uint>(y));
        }
    }
    return image;
}

}  // namespace kestrum::artwork
