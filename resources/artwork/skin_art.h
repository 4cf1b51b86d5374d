#pragma once

#include <QImage>

namespace kestrum::artwork {

// The button strips: three frames (normal, hot, pressed) side by side.
QImage MacOSButton();      // 252 x 23, magenta corners
QImage WinXPButton();      // 54 x 21
QImage DeepBlueButton();   // 222 x 21
QImage ProteinButton();    // 222 x 21
QImage BlueGlassButton();  // 231 x 27, magenta corners

// The check box strips: four frames (checked, unchecked, checked disabled,
// unchecked disabled).
QImage MacOSCheckBox();  // 60 x 17
QImage WinXPCheckBox();  // 52 x 13, and the same size for the three below
QImage DeepBlueCheckBox();
QImage ProteinCheckBox();
QImage BlueGlassCheckBox();

// Progress bar fill pictures, stretched over the filled part.
QImage MacOSProgressBar();      // 13 x 10
QImage WinXPProgressBar();      // 6 x 10
QImage DeepBlueProgressBar();   // 1 x 10
QImage ProteinProgressBar();    // 1 x 10
QImage BlueGlassProgressBar();  // 1 x 10

// Popup menu pictures: the shared check mark (white is transparent) and the
// MacOS item background and highlight.
QImage MenuChecked();      // 16 x 16
QImage MacOSMenuBar();     // 16 x 20
QImage MacOSMenuSelect();  // 16 x 20

}  // namespace kestrum::artwork
