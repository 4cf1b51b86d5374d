#include "skin/ui/button_look.h"

#include <QFontMetrics>

#include "skin/core/button_layout.h"
#include "skin/ui/skin_painting.h"

namespace kestrum {
namespace {

const QColor kEngravedLight(0xFF, 0xFF, 0xFF);
const QColor kEngravedDark(0x80, 0x80, 0x80);

// The caption in `box`: engraved when disabled, otherwise in the font colour,
// one pixel right and down while pressed.
void DrawCaptionText(QPainter& painter, const QRect& box, int flags, const ButtonLook& look) {
    if (!look.enabled) {
        DrawEngravedText(painter, box, flags, look.caption, kEngravedLight, kEngravedDark);
        return;
    }
    painter.setPen(look.fontColor);
    painter.drawText(look.down ? box.translated(1, 1) : box, flags, look.caption);
}

void DrawPlainCaption(QPainter& painter, const QRect& rect, const ButtonLook& look) {
    QFont font = look.font;
    if (look.focusMark == ButtonLook::FocusMark::BoldCaption) {
        font.setBold(true);
    }
    painter.setFont(font);
    constexpr int kMeasure = Qt::TextWordWrap | Qt::TextExpandTabs | kCaptionTextFlags;
    const QRect measured = QFontMetrics(font).boundingRect(rect, kMeasure, look.caption);
    const PixelPoint offset =
        CentreIn({rect.width(), rect.height()}, {measured.width(), measured.height()});
    const QRect centred(rect.left() + offset.x, rect.top() + offset.y, measured.width(),
                        measured.height());
    DrawCaptionText(painter, centred, kMeasure | Qt::AlignHCenter | Qt::AlignTop, look);
}

// Where the glyph and the caption beside it go.
GlyphPlacement PlaceGlyphOf(const QRect& rect, const ButtonLook& look) {
    const QSize text =
        QFontMetrics(look.font).size(Qt::TextSingleLine | kCaptionTextFlags, look.caption);
    return PlaceGlyph(look.layout, {rect.width(), rect.height()},
                      {look.glyph.width(), look.glyph.height()}, {text.width(), text.height()},
                      look.spacing);
}

void DrawGlyph(QPainter& painter, const QRect& rect, const GlyphPlacement& place,
               const ButtonLook& look) {
    const QPoint shift = look.down ? QPoint(1, 1) : QPoint(0, 0);
    painter.drawImage(rect.topLeft() + QPoint(place.glyph.x, place.glyph.y) + shift,
                      look.enabled ? look.glyph : look.glyphDisabled);
}

// A caption beside a glyph: one line, never bold.
void DrawCaptionBesideGlyph(QPainter& painter, const QRect& rect, const GlyphPlacement& place,
                            const ButtonLook& look) {
    painter.setFont(look.font);
    const QRect box(rect.topLeft() + QPoint(place.caption.x, place.caption.y), rect.bottomRight());
    DrawCaptionText(painter, box,
                    Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignTop | kCaptionTextFlags, look);
}

void DrawArrow(QPainter& painter, const QRect& rect, TlumArrow arrow) {
    for (const PixelRun& run : ArrowRuns({rect.width(), rect.height()}, arrow)) {
        painter.fillRect(rect.left() + run.left, rect.top() + run.y, run.right - run.left, 1,
                         Qt::black);
    }
}

}  // namespace

void DrawButton(QPainter& painter, const QRect& rect, const ButtonLook& look) {
    painter.save();
    if (!look.transparent) {
        painter.fillRect(rect, look.background);
    }
    SplitDraw(painter, look.image, rect, look.transparent);
    const bool hasGlyph = !look.arrow && !look.glyph.isNull();
    GlyphPlacement place;
    if (hasGlyph) {
        place = PlaceGlyphOf(rect, look);
        DrawGlyph(painter, rect, place, look);
    }
    if (look.focusMark == ButtonLook::FocusMark::Rectangle) {
        const int m = look.focusMargin;
        DrawFocusRect(painter, rect.adjusted(m, m, -m, -m));
    }
    if (look.arrow) {
        DrawArrow(painter, rect, *look.arrow);
    } else if (!look.caption.trimmed().isEmpty()) {
        if (hasGlyph) {
            DrawCaptionBesideGlyph(painter, rect, place, look);
        } else {
            DrawPlainCaption(painter, rect, look);
        }
    }
    painter.restore();
}

}  // namespace kestrum
