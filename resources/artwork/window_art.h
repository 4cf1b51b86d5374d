#pragma once

#include <QImage>

namespace kestrum::artwork {

// The banner across the top of a window: a deep blue band with a film strip
// and sound waves, dark enough for white text at its left. 50 pixels high.
QImage Banner(int width);

// The program's emblem: a warm rounded tile with film perforations, a play
// triangle and sound waves; 32-bit with alpha, at any size.
QImage Emblem(int size);

QImage UpdateIcon();            // 16 x 16: a green disc with a turning arrow
QImage AdvancedIcon(bool hot);  // 32 x 32: a gear, steel blue or glowing orange
QImage ConvertPicture();        // 32 x 32: a film frame turning into a note
QImage ConvertProgressFill();   // 6 x 10, 256-colour palette

}  // namespace kestrum::artwork
