// The push button strips of the five styles.
#include <QPainter>

#include "resources/artwork/art_tools.h"
#include "resources/artwork/skin_art.h"

namespace kestrum::artwork {
namespace {

// Opaque strips sit on the usual window colour; keyed strips keep their
// antialiased rim over a neutral grey.
const QColor kWindowFace(0xEF, 0xEF, 0xEF);
const QColor kKeyRim(0xC8, 0xC8, 0xC8);

struct FacePaint {
    double radius;
    QColor border;
    QGradientStops body;
    QColor innerLight;  // one-pixel bevel inside the border, fading downwards
    QColor glow;        // inner ring of a hot button (invalid: none)
    int glossAlpha;     // glass highlight over the upper half (0: none)
};

QImage Face(int width, int height, const FacePaint& paint) {
    QImage art = Canvas(width, height);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0.5, 0.5, width - 1.0, height - 1.0);
    QLinearGradient body(outer.topLeft(), outer.bottomLeft());
    body.setStops(paint.body);
    p.setPen(QPen(paint.border, 1.0));
    p.setBrush(body);
    p.drawPath(Rounded(outer, paint.radius));

    const QRectF inner = outer.adjusted(1, 1, -1, -1);
    const double innerRadius = std::max(0.0, paint.radius - 1);
    if (paint.glow.isValid()) {
        QColor soft = paint.glow;
        soft.setAlpha(110);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(soft, 1.0));
        p.drawPath(Rounded(inner.adjusted(1, 1, -1, -1), std::max(0.0, innerRadius - 1)));
        p.setPen(QPen(paint.glow, 1.0));
        p.drawPath(Rounded(inner, innerRadius));
    } else if (paint.innerLight.isValid()) {
        QColor fade = paint.innerLight;
        fade.setAlpha(0);
        p.setBrush(Qt::NoBrush);
        p.setPen(
            QPen(QBrush(VerticalGradient(inner, {{0.0, paint.innerLight}, {1.0, fade}})), 1.0));
        p.drawPath(Rounded(inner, innerRadius));
    }
    if (paint.glossAlpha > 0) {
        p.setClipPath(Rounded(inner, innerRadius));
        const QRectF upper(inner.left(), inner.top(), inner.width(), inner.height() / 2);
        p.setPen(Qt::NoPen);
        p.setBrush(VerticalGradient(upper, {{0.0, QColor(255, 255, 255, paint.glossAlpha)},
                                            {1.0, QColor(255, 255, 255, paint.glossAlpha / 3)}}));
        p.drawRect(upper);
    }
    return art;
}

QGradientStops Stops(std::initializer_list<QGradientStop> stops) {
    return QGradientStops(stops);
}

QImage OpaqueStrip(int width, int height, const FacePaint& normal, const FacePaint& hot,
                   const FacePaint& pressed) {
    return JoinFrames({Flatten(Face(width, height, normal), kWindowFace),
                       Flatten(Face(width, height, hot), kWindowFace),
                       Flatten(Face(width, height, pressed), kWindowFace)});
}

QImage KeyedStrip(int width, int height, const FacePaint& normal, const FacePaint& hot,
                  const FacePaint& pressed) {
    return JoinFrames({KeyMagenta(Face(width, height, normal), kKeyRim),
                       KeyMagenta(Face(width, height, hot), kKeyRim),
                       KeyMagenta(Face(width, height, pressed), kKeyRim)});
}

}  // namespace

QImage MacOSButton() {
    const QColor border(0x7E, 0x86, 0x90);
    return KeyedStrip(84, 23,
                      {10.5, border,
                       Stops({{0, QColor(0xFB, 0xFB, 0xFB)},
                              {0.5, QColor(0xE9, 0xE9, 0xE9)},
                              {0.52, QColor(0xDC, 0xDC, 0xDC)},
                              {1, QColor(0xF6, 0xF6, 0xF6)}}),
                       QColor(), QColor(), 140},
                      {10.5, QColor(0x3E, 0x6E, 0xA8),
                       Stops({{0, QColor(0xC9, 0xE4, 0xFD)},
                              {0.5, QColor(0x8C, 0xC3, 0xF3)},
                              {0.52, QColor(0x6C, 0xAE, 0xEE)},
                              {1, QColor(0xB8, 0xDD, 0xFB)}}),
                       QColor(), QColor(), 170},
                      {10.5, QColor(0x24, 0x4C, 0x80),
                       Stops({{0, QColor(0x8A, 0xB9, 0xE8)},
                              {0.5, QColor(0x5A, 0x96, 0xD8)},
                              {0.52, QColor(0x3F, 0x80, 0xCC)},
                              {1, QColor(0x86, 0xBE, 0xEE)}}),
                       QColor(), QColor(), 90});
}

QImage WinXPButton() {
    const QColor border(0x00, 0x3C, 0x74);
    const QGradientStops face = Stops({{0, QColor(0xFF, 0xFF, 0xFF)},
                                       {0.6, QColor(0xF1, 0xEF, 0xE8)},
                                       {0.9, QColor(0xDF, 0xDB, 0xD0)},
                                       {1, QColor(0xD0, 0xCA, 0xBC)}});
    return OpaqueStrip(18, 21, {3, border, face, QColor(255, 255, 255), QColor(), 0},
                       {3, border, face, QColor(), QColor(0xF5, 0xA8, 0x2A), 0},
                       {3, border,
                        Stops({{0, QColor(0xD4, 0xD0, 0xC6)},
                               {0.3, QColor(0xE3, 0xE0, 0xD8)},
                               {1, QColor(0xF4, 0xF3, 0xEF)}}),
                        QColor(), QColor(), 0});
}

QImage DeepBlueButton() {
    return OpaqueStrip(74, 21,
                       {4, QColor(0x1B, 0x35, 0x66),
                        Stops({{0, QColor(0xF2, 0xF7, 0xFD)},
                               {0.45, QColor(0xD6, 0xE5, 0xF6)},
                               {1, QColor(0xA9, 0xC6, 0xE9)}}),
                        QColor(255, 255, 255), QColor(), 0},
                       {4, QColor(0x1F, 0x4C, 0x93),
                        Stops({{0, QColor(0xFF, 0xFF, 0xFF)},
                               {0.45, QColor(0xE2, 0xEF, 0xFD)},
                               {1, QColor(0xB4, 0xD4, 0xF7)}}),
                        QColor(), QColor(0x5C, 0xA8, 0xF0), 0},
                       {4, QColor(0x12, 0x28, 0x52),
                        Stops({{0, QColor(0x93, 0xB4, 0xDD)},
                               {0.5, QColor(0xB1, 0xCB, 0xEA)},
                               {1, QColor(0xCF, 0xDF, 0xF3)}}),
                        QColor(), QColor(), 0});
}

QImage ProteinButton() {
    return OpaqueStrip(74, 21,
                       {5, QColor(0x86, 0x8A, 0x8E),
                        Stops({{0, QColor(0xFE, 0xFE, 0xFE)},
                               {0.48, QColor(0xEC, 0xED, 0xEE)},
                               {0.5, QColor(0xDB, 0xDD, 0xDF)},
                               {1, QColor(0xEE, 0xEF, 0xF0)}}),
                        QColor(255, 255, 255), QColor(), 0},
                       {5, QColor(0x4F, 0x8A, 0x2E),
                        Stops({{0, QColor(0xFB, 0xFF, 0xF7)},
                               {0.48, QColor(0xE5, 0xF3, 0xDB)},
                               {0.5, QColor(0xCF, 0xE7, 0xBF)},
                               {1, QColor(0xE6, 0xF4, 0xDC)}}),
                        QColor(), QColor(0x8F, 0xCB, 0x6A), 0},
                       {5, QColor(0x5C, 0x60, 0x64),
                        Stops({{0, QColor(0xC4, 0xC7, 0xCA)},
                               {0.5, QColor(0xD6, 0xD8, 0xDA)},
                               {1, QColor(0xEA, 0xEB, 0xEC)}}),
                        QColor(), QColor(), 0});
}

QImage BlueGlassButton() {
    return KeyedStrip(77, 27,
                      {6, QColor(0x35, 0x66, 0x9C),
                       Stops({{0, QColor(0xDC, 0xEE, 0xFC)},
                              {0.49, QColor(0xB8, 0xDB, 0xF7)},
                              {0.51, QColor(0x95, 0xC8, 0xF2)},
                              {1, QColor(0xC6, 0xE4, 0xFA)}}),
                       QColor(), QColor(), 150},
                      {6, QColor(0x1E, 0x7C, 0xC8),
                       Stops({{0, QColor(0xEC, 0xF8, 0xFF)},
                              {0.49, QColor(0xC8, 0xE8, 0xFD)},
                              {0.51, QColor(0x9D, 0xD6, 0xFA)},
                              {1, QColor(0xD8, 0xF0, 0xFE)}}),
                       QColor(), QColor(0x7F, 0xD4, 0xFF), 170},
                      {6, QColor(0x22, 0x55, 0x8B),
                       Stops({{0, QColor(0x86, 0xB6, 0xE2)},
                              {0.49, QColor(0x70, 0xA6, 0xDA)},
                              {0.51, QColor(0x5A, 0x96, 0xD2)},
                              {1, QColor(0x93, 0xC1, 0xEA)}}),
                       QColor(), QColor(), 70});
}

}  // namespace kestrum::artwork
