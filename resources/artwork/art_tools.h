#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

namespace kestrum::artwork {

// The colour-key of skin strips: pixels of this colour are not drawn.
inline constexpr QRgb kMagenta = 0xFFFF00FF;

// A transparent ARGB canvas.
QImage Canvas(int width, int height);

// A vertical gradient brush over `rect` through the given stops (0..1).
QLinearGradient VerticalGradient(const QRectF& rect, std::initializer_list<QGradientStop> stops);

// A rounded rectangle path with radius r.
QPainterPath Rounded(const QRectF& rect, double r);

// Flattens an antialiased ARGB drawing for a colour-keyed strip: pixels less
// than half covered become magenta, the rest are made opaque over `rim`.
QImage KeyMagenta(const QImage& art, QColor rim);

// Flattens an ARGB drawing onto an opaque background colour.
QImage Flatten(const QImage& art, QColor background);

// Places frames side by side in one strip.
QImage JoinFrames(const std::initializer_list<QImage>& frames);

}  // namespace kestrum::artwork
