#include "app/ui/picture.h"

#include <QPainter>

#include "skin/ui/shift_image.h"

namespace kestrum {

TImage::TImage(QWidget* parent) : TGraphicControl(parent) {}

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

}  // namespace kestrum
