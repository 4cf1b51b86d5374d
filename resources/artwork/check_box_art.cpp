// The check box strips: checked, unchecked, checked disabled, unchecked disabled.
#include <QPainter>

#include "resources/artwork/art_tools.h"
#include "resources/artwork/skin_art.h"

namespace kestrum::artwork {
namespace {

const QColor kWindowFace(0xEF, 0xEF, 0xEF);

struct BoxPaint {
    QColor border;
    QColor fillTop;
    QColor fillBottom;
    QColor tick;
    bool gloss;
};

const BoxPaint kDisabled{QColor(0xB2, 0xB2, 0xB2), QColor(0xF2, 0xF2, 0xF2),
                         QColor(0xE6, 0xE6, 0xE6), QColor(0xA6, 0xA6, 0xA6), false};

// The classic tick: seven columns, each a run of three pixels, its foot in
// column 3 of the box.
void DrawTick(QPainter& p, int left, int top, const QColor& color) {
    static constexpr int kRunTop[] = {2, 3, 4, 3, 2, 1, 0};
    for (int column = 0; column < 7; ++column) {
        p.fillRect(left + column, top + kRunTop[column], 1, 3, color);
    }
}

QImage SquareBox(const BoxPaint& paint, bool checked) {
    QImage box(13, 13, QImage::Format_RGB32);
    QPainter p(&box);
    p.fillRect(0, 0, 13, 13, paint.border);
    p.fillRect(1, 1, 11, 11,
               VerticalGradient(QRectF(1, 1, 11, 11), {{0, paint.fillTop}, {1, paint.fillBottom}}));
    if (paint.gloss) {
        p.fillRect(1, 1, 11, 5, QColor(255, 255, 255, 90));
    }
    if (checked) {
        DrawTick(p, 3, 3, paint.tick);
    }
    return box;
}

QImage SquareStrip(const BoxPaint& enabled) {
    return JoinFrames({SquareBox(enabled, true), SquareBox(enabled, false),
                       SquareBox(kDisabled, true), SquareBox(kDisabled, false)});
}

// The MacOS box: a rounded, glossy square, blue with a white tick when checked.
QImage RoundBox(bool checked, bool enabled) {
    QImage art = Canvas(15, 17);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0.5, 1.5, 14, 14);
    QColor border(0x7E, 0x86, 0x90), top(0xFF, 0xFF, 0xFF), bottom(0xDD, 0xDD, 0xDD);
    if (checked) {
        border = QColor(0x2E, 0x5E, 0x9C);
        top = QColor(0xA8, 0xD2, 0xFA);
        bottom = QColor(0x3C, 0x8C, 0xE4);
    }
    if (!enabled) {
        border = QColor(0xB8, 0xB8, 0xB8);
        top = QColor(0xF6, 0xF6, 0xF6);
        bottom = checked ? QColor(0xD4, 0xDC, 0xE6) : QColor(0xEA, 0xEA, 0xEA);
    }
    p.setPen(QPen(border, 1));
    p.setBrush(VerticalGradient(outer, {{0, top}, {1, bottom}}));
    p.drawPath(Rounded(outer, 3.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawPath(Rounded(QRectF(2, 3, 11, 5), 2));
    if (checked) {
        p.setRenderHint(QPainter::Antialiasing, false);
        const QColor tick = enabled ? QColor(255, 255, 255) : QColor(0x98, 0xA4, 0xB2);
        DrawTick(p, 4, 5, tick);
    }
    p.end();
    return Flatten(art, kWindowFace);
}

}  // namespace

QImage MacOSCheckBox() {
    return JoinFrames({RoundBox(true, true), RoundBox(false, true), RoundBox(true, false),
                       RoundBox(false, false)});
}

QImage WinXPCheckBox() {
    return SquareStrip({QColor(0x1C, 0x51, 0x80), QColor(0xDC, 0xDC, 0xD7),
                        QColor(0xFF, 0xFF, 0xFF), QColor(0x21, 0xA1, 0x21), false});
}

QImage DeepBlueCheckBox() {
    return SquareStrip({QColor(0x1B, 0x35, 0x66), QColor(0xFF, 0xFF, 0xFF),
                        QColor(0xCC, 0xDD, 0xF1), QColor(0x1B, 0x35, 0x66), false});
}

QImage ProteinCheckBox() {
    return SquareStrip({QColor(0x80, 0x84, 0x88), QColor(0xFF, 0xFF, 0xFF),
                        QColor(0xDE, 0xE0, 0xE2), QColor(0x3C, 0x8C, 0x1E), false});
}

QImage BlueGlassCheckBox() {
    return SquareStrip({QColor(0x35, 0x66, 0x9C), QColor(0xE4, 0xF2, 0xFD),
                        QColor(0xA9, 0xD3, 0xF5), QColor(0x0C, 0x46, 0x88), true});
}

}  // namespace kestrum::artwork
