#pragma once

#include <QImage>
#include <QWidget>

#include "skin/ui/theme_source.h"

namespace kestrum::test {

// A shown, active window of the button-face colour to put controls in.
class TestWindow : public QWidget {
public:
    TestWindow();
    void Activate();
};

// What `control` shows, with its parent's pixels behind it.
QImage Shot(QWidget* control);

// A colour comparable with QImage::pixel.
inline QRgb Rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

// A skin file stand-in: answers from the values a test puts in.
class FakeThemeSource : public TlumThemeSource {
public:
    bool ready = true;
    QImage bitmaps[66];
    int colours[32] = {};
    bool booleans[9] = {};

    bool Ready() const override { return ready; }
    QImage Bitmap(int n) const override { return n >= 0 && n < 66 ? bitmaps[n] : QImage(); }
    int Colour(int n) const override { return n >= 0 && n < 32 ? colours[n] : -1; }
    bool Boolean(int n) const override { return n >= 0 && n < 9 && booleans[n]; }
    void Reload() { emit themeChanged(); }
};

// A strip of `count` frames of `width` x `height`, frame i filled with colours[i].
QImage Strip(int width, int height, const std::vector<QRgb>& colours);

}  // namespace kestrum::test
