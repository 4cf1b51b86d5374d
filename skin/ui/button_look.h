#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <optional>

#include "skin/core/button_layout.h"
#include "skin/ui/skin_bitmaps.h"

namespace kestrum {

// Everything a skinned push or arrow button draws, taken from the widget's
// state; tests and the gallery build one by hand.
struct ButtonLook {
    enum class FocusMark { None, Rectangle, BoldCaption };

    SkinFrame image;           // the state image; a null frame draws nothing
    bool transparent = false;  // no background fill, magenta corners keyed
    QColor background;
    QString caption;
    QFont font;
    QColor fontColor = Qt::black;
    bool enabled = true;
    bool down = false;
    FocusMark focusMark = FocusMark::None;
    int focusMargin = 2;
    // A glyph beside the caption (TlumButton), its transparent colour removed;
    // the disabled image is the second half of a two-image glyph or a greyed copy.
    QImage glyph;
    QImage glyphDisabled;
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    int spacing = 4;
    // The arrow button draws a triangle instead of its caption.
    std::optional<TlumArrow> arrow;
};

void DrawButton(QPainter& painter, const QRect& rect, const ButtonLook& look);

}  // namespace kestrum
