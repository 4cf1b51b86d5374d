#pragma once

#include <QFont>

namespace kestrum {

// The face every window and skinned control draws its text in, standing in
// for "MS Sans Serif": a sans-serif face whose characters are 11 pixels high
// at the windows' usual size. Labels that the windows make larger or bold
// pass their own pixel height and weight.
inline constexpr char kProgramFontFamily[] = "DejaVu Sans";
inline constexpr int kProgramFontPixels = 11;

QFont ProgramFont(int pixelHeight = kProgramFontPixels, bool bold = false);

// A font size in points at the windows' 96 dots per inch, rounded as the
// windows round it (8 points are 11 pixels).
int PointsToPixels(int points);

}  // namespace kestrum

namespace kestrum {

// The family to draw a named face in: "MS Sans Serif" (the windows' own
// name for it) becomes the program font; any other name stays.
QString ResolveFontFamily(const QString& name);

}  // namespace kestrum
