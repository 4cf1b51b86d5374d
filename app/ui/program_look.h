#pragma once

#include <QFont>

namespace kestrum {

// The face every window draws its text in. The windows were laid out for
// "MS Sans Serif" at 8 points (11 pixels); a condensed sans-serif face at
// 11 pixels keeps every caption inside the room the layout gives it, which
// a face of normal width does not ("2. Click 'Convert...' ..." would run
// past the main window's edge).
inline constexpr char kWindowFontFamily[] = "DejaVu Sans Condensed";
inline constexpr int kWindowFontPixels = 11;

QFont WindowFont(int pixelHeight = kWindowFontPixels, bool bold = false, bool underline = false);

// Once per run, before the first window: the window font as the
// application's font (menus and message boxes included), the program icon,
// and the name of the program's desktop entry.
void ApplyProgramLook();

}  // namespace kestrum
