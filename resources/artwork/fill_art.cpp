// Progress bar fills and the popup menu's pictures.
#include <QPainter>

#include "resources/artwork/art_tools.h"
#include "resources/artwork/skin_art.h"

namespace kestrum::artwork {
namespace {

// A picture whose columns are all the same run of colours, top to bottom: it
// stays crisp however far the bar stretches it sideways.
QImage Rows(int width, std::initializer_list<QRgb> rows) {
    QImage image(width, static_cast<int>(rows.size()), QImage::Format_RGB32);
    int y = 0;
    for (QRgb row : rows) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, row);
        }
        ++y;
    }
    return image;
}

}  // namespace

QImage MacOSProgressBar() {
    return Rows(13, {0xFFD6ECFF, 0xFFA9D5FC, 0xFF84C0F8, 0xFF62ADF3, 0xFF3A92E8, 0xFF2F89E5,
                     0xFF3F96EB, 0xFF58A8F1, 0xFF7CBFF7, 0xFFA6D6FB});
}

QImage WinXPProgressBar() {
    return Rows(6, {0xFFDDF7D4, 0xFFB4ECA5, 0xFF8CDF78, 0xFF6FD45B, 0xFF5BCA47, 0xFF50C23E,
                    0xFF56C744, 0xFF69CF57, 0xFF87DA76, 0xFFB0E9A2});
}

QImage DeepBlueProgressBar() {
    return Rows(1, {0xFF9BBCE8, 0xFF6E98D6, 0xFF4A7BC4, 0xFF3465B3, 0xFF1F4E9A, 0xFF1B4890,
                    0xFF22519C, 0xFF2E5EA9, 0xFF3F70BA, 0xFF5A88CC});
}

QImage ProteinProgressBar() {
    return Rows(1, {0xFFD8F2CF, 0xFFB1E3A2, 0xFF8BD178, 0xFF6DC257, 0xFF52AE3B, 0xFF4CA735,
                    0xFF55B03E, 0xFF66BD4F, 0xFF7FCB68, 0xFFA2DB8F});
}

QImage BlueGlassProgressBar() {
    return Rows(1, {0xFFEAF6FF, 0xFFC9E6FC, 0xFFA5D4F9, 0xFF83C4F6, 0xFF45A4EE, 0xFF3A9AEA,
                    0xFF4AA5EE, 0xFF61B2F2, 0xFF7CC1F5, 0xFFA2D4F9});
}

QImage MenuChecked() {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    static constexpr int kRunTop[] = {7, 8, 9, 8, 7, 6, 5, 4};
    for (int column = 0; column < 8; ++column) {
        p.fillRect(4 + column, kRunTop[column], 1, 3, QColor(0x20, 0x20, 0x20));
    }
    return image;
}

QImage MacOSMenuBar() {
    QImage image(16, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y) {
        const QRgb row = y % 2 == 0 ? 0xFFFFFFFF : 0xFFF3F3F3;
        for (int x = 0; x < 16; ++x) {
            image.setPixel(x, y, row);
        }
    }
    return image;
}

QImage MacOSMenuSelect() {
    QImage image(16, 20, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(),
               VerticalGradient(QRectF(0, 0, 16, 20), {{0, QColor(0x6A, 0xA2, 0xF4)},
                                                       {0.5, QColor(0x3D, 0x7E, 0xE6)},
                                                       {1, QColor(0x1E, 0x5C, 0xD4)}}));
    p.fillRect(0, 0, 16, 1, QColor(0x8E, 0xBA, 0xF8));
    return image;
}

}  // namespace kestrum::artwork
