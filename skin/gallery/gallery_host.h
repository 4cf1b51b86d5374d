#pragma once

#include <QImage>
#include <QWidget>

namespace kestrum::gallery {

// A window-coloured parent for one control, shown offscreen, so that the
// control is drawn as it is in a window: transparent controls show the
// window behind them, focus and hover work as they do on a desktop.
class Host {
public:
    Host();
    QWidget* Parent() { return &window_; }
    // Shows the window and gives `control` the keyboard focus.
    void Focus(QWidget* control);
    // The pixels of `control` with the window behind it.
    QImage Shot(QWidget* control);

private:
    QWidget window_;
};

// Real pointer events: the pointer over `control`, a left press on it.
void Hover(QWidget* control);
void Press(QWidget* control);

}  // namespace kestrum::gallery
