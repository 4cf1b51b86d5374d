#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include "skin/core/pixel_geometry.h"
#include "skin/core/ui_style.h"
#include "skin/ui/skin_bitmaps.h"

namespace kestrum {

inline QRect ToQRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// The nine-part draw of a state image into `target`: corners unscaled, edges
// and centre stretched between them; magenta is transparent in the edges and
// centre always, and in the corners when `transparentCorners`.
void SplitDraw(QPainter& painter, const SkinFrame& frame, const QRect& target,
               bool transparentCorners);

// A left-to-right gradient from `from` to `to` over `rect`.
void FillGradientH(QPainter& painter, const QRect& rect, TColor from, TColor to);

// A one-pixel frame just inside `rect`.
void FrameRect(QPainter& painter, const QRect& rect, const QColor& color);

// The dotted focus rectangle: every other pixel of the border of `rect`.
void DrawFocusRect(QPainter& painter, const QRect& rect);

// Text drawn twice for a disabled look: white (or `light`) one pixel down and
// right, then grey (or `dark`) in place.
void DrawEngravedText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                      const QColor& light, const QColor& dark);

// A picture in the greyed look of a disabled glyph or menu image.
QImage GreyedImage(const QImage& image);

// Where a skinned control's caption text goes: its accelerator "&" shown as
// an underline, as the toolkit's labels do.
inline constexpr int kCaptionTextFlags = Qt::TextShowMnemonic;

}  // namespace kestrum
