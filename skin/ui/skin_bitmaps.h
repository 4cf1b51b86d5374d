#pragma once

#include <QImage>
#include <string_view>

#include "skin/core/ui_style.h"

namespace kestrum {

// A skin bitmap compiled into the program, by its resource name
// ("WINXP_BUTTON", "MENU_CHECKED"); a null image when there is none.
QImage LoadSkinBitmap(std::string_view name);

// Bitmap item `item` of a built-in style, whole; null for FromThemeFile, an
// unknown style, a non-bitmap item or an empty name.
QImage GetThemeBitmap(TlumUIStyle style, int item);

// Frame `index` (1-based) of `count` equal frames of a strip; the last frame
// is the rightmost one. Null when the strip is null or the index is out of range.
QImage CutStripFrame(const QImage& strip, int count, int index);

// The image as ARGB32 with every pixel of the key colour (whatever its alpha)
// made fully transparent.
QImage WithoutKeyColour(const QImage& image, QRgb key);

// A state image ready for drawing: as it is, and with its magenta pixels
// made transparent.
struct SkinFrame {
    QImage opaque;
    QImage keyed;

    SkinFrame() = default;
    explicit SkinFrame(const QImage& image);
    bool IsNull() const { return opaque.isNull(); }
    QSize Size() const { return opaque.size(); }
};

// SkinFrame(CutStripFrame(strip, count, index)), prepared once for every
// control that draws the same strip: a window's buttons share their frames.
SkinFrame StripSkinFrame(const QImage& strip, int count, int index);

// The popup menus' shared check mark, white made transparent.
const QImage& MenuCheckedImage();

}  // namespace kestrum
