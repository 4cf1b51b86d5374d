#include "skin/gallery/gallery_host.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>

#include "skin/core/ui_style.h"
#include "skin/ui/skin_colour.h"

namespace kestrum::gallery {

Host::Host() {
    window_.setAutoFillBackground(true);
    QPalette palette = window_.palette();
    palette.setColor(QPalette::Window, ToQColor(kClBtnFace));
    window_.setPalette(palette);
    // Away from the pointer, which the offscreen screen keeps at its corner.
    window_.setGeometry(200, 200, 420, 60);
}

void Host::Focus(QWidget* control) {
    window_.show();
    window_.activateWindow();
    QApplication::setActiveWindow(&window_);
    control->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

QImage Host::Shot(QWidget* control) {
    if (window_.width() < control->width() || window_.height() < control->height()) {
        window_.resize(std::max(window_.width(), control->width()),
                       std::max(window_.height(), control->height()));
    }
    control->move(0, 0);
    return window_.grab(control->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

void Hover(QWidget* control) {
    const QPointF at(control->width() / 2.0, control->height() / 2.0);
    QEnterEvent enter(at, control->mapTo(control->window(), at), control->mapToGlobal(at));
    QApplication::sendEvent(control, &enter);
}

void Press(QWidget* control) {
    const QPointF at(control->width() / 2.0, control->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, control->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &press);
}

}  // namespace kestrum::gallery
