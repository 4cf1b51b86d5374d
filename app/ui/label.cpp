#include "app/ui/label.h"

#include <QEvent>
#include <QPainter>

#include "skin/ui/skin_colour.h"
#include "skin/ui/skin_painting.h"

namespace kestrum {
namespace {

constexpr int kLabelTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

}  // namespace

void DrawLabel(QPainter& painter, const QRect& rect, const LabelLook& look) {
    painter.save();
    painter.setFont(look.font);
    if (look.enabled) {
        painter.setPen(look.fontColor);
        painter.drawText(rect, kLabelTextFlags, look.caption);
    } else {
        DrawEngravedText(painter, rect, kLabelTextFlags, look.caption, look.disabledLight,
                         look.disabledDark);
    }
    painter.restore();
}

TLabel::TLabel(QWidget* parent) : TGraphicControl(parent) {}

void TLabel::SetCaption(const QString& caption) {
    if (std::exchange(caption_, caption) != caption) {
        AdjustSize();
        update();
    }
}

void TLabel::SetFontColor(TColor color) {
    if (std::exchange(fontColor_, color) != color) {
        update();
    }
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

QSize TLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(caption_), metrics.height()};
}

void TLabel::AdjustSize() {
    if (autoSize_) {
        resize(sizeHint());
    }
}

LabelLook TLabel::Look() const {
    return {caption_,
            font(),
            ToQColor(fontColor_),
            isEnabled(),
            ToQColor(kClBtnHighlight),
            ToQColor(kClBtnShadow)};
}

void TLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawLabel(painter, rect(), Look());
}

void TLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        AdjustSize();
    }
    TGraphicControl::changeEvent(event);
}

}  // namespace kestrum
