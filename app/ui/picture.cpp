#include "app/ui/picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "skin/ui/shift_image.h"

namespace kestrum {

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TImage::SetStretch(bool stretch) {
    if (std::exchange(stretch_, stretch) != stretch) {
        update();
    }
}

void TImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, stretch_);
    DrawShiftImage(painter, rect(), {picture_, stretch_, false});
}

void TImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && std::exchange(pressed_, false) &&
        rect().contains(event->position().toPoint())) {
        emit OnClick();
    }
}

}  // namespace kestrum
