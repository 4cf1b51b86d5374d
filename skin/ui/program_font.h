#pragma once

#include <QFont>

namespace kestrum {

// The one face every window and skinned control draws its text in, standing
// in for "MS Sans Serif" at 8 points (11 pixels), for which the windows were
// laid out. A condensed sans-serif face keeps every caption inside the room
// the layout gives it, which a face of normal width does not ("2. Click
// 'Convert...' ..." would run past the main window's edge). Labels that the
// windows make larger, bold or underlined pass their own values.
inline constexpr char kProgramFontFamily[] = "DejaVu Sans Condensed";
inline constexpr int kProgramFontPixels = 11;

QFont ProgramFont(int pixelHeight = kProgramFontPixels, bool bold = false, bool underline = false);

// A font size in points at the windows' 96 dots per inch, rounded as the
// windows round it (8 points are 11 pixels).
int PointsToPixels(int points);

}  // namespace kestrum

namespace kestrum {

// The family to draw a named face in: "MS Sans Serif" (the windows' own
// name for it) becomes the program font; any other name stays.
QString ResolveFontFamily(const QString& name);

}  // namespace kestrum
