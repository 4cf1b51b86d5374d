#include "skin/ui/shift_image.h"

#include <QMouseEvent>
#include <QPainter>

namespace kestrum {

void DrawShiftImage(QPainter& painter, const QRect& rect, const ShiftImageLook& look) {
    if (look.picture.isNull()) {
        return;
    }
    if (look.stretch) {
        painter.drawImage(rect, look.picture);
        return;
    }
    QPoint at = rect.topLeft();
    if (look.center) {
        at += QPoint((rect.width() - look.picture.width()) / 2,
                     (rect.height() - look.picture.height()) / 2);
    }
    painter.drawImage(at, look.picture);
}

TKadShiftImage::TKadShiftImage(QWidget* parent) : QWidget(parent) {
    resize(105, 105);
}

void TKadShiftImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    AdjustSize();
    update();
}

void TKadShiftImage::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void TKadShiftImage::SetStretch(bool stretch) {
    if (std::exchange(stretch_, stretch) != stretch) {
        update();
    }
}

void TKadShiftImage::SetCenter(bool center) {
    if (std::exchange(center_, center) != center) {
        update();
    }
}

void TKadShiftImage::AdjustSize() {
    if (autoSize_ && !picture_.isNull()) {
        resize(picture_.size());
    }
}

void TKadShiftImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawShiftImage(painter, rect(), Look());
}

void TKadShiftImage::enterEvent(QEnterEvent*) {
    emit OnMouseEnter();
    if (isEnabled()) {
        SetPicture(focused_);
    }
}

void TKadShiftImage::leaveEvent(QEvent*) {
    emit OnMouseLeave();
    if (isEnabled()) {
        SetPicture(noFocused_);
    }
}

void TKadShiftImage::mousePressEvent(QMouseEvent* event) {
    clickArmed_ = clickArmed_ || event->button() == Qt::LeftButton;
    emit OnMouseDown();
    move(pos() + QPoint(2, 2));
}

void TKadShiftImage::mouseReleaseEvent(QMouseEvent* event) {
    emit OnMouseUp();
    move(pos() - QPoint(2, 2));
    if (event->button() == Qt::LeftButton && std::exchange(clickArmed_, false) &&
        rect().contains(mapFromGlobal(event->globalPosition().toPoint()))) {
        emit OnClick();
    }
}

}  // namespace kestrum
