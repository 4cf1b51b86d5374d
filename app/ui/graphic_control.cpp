#include "app/ui/graphic_control.h"

#include <QMouseEvent>

namespace kestrum {

void TGraphicControl::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void TGraphicControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && std::exchange(pressed_, false) &&
        rect().contains(event->position().toPoint())) {
        emit OnClick();
    }
}

}  // namespace kestrum
