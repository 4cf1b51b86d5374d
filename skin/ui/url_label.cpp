#include "skin/ui/url_label.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/ui/shell_service.h"
#include "skin/ui/program_font.h"
#include "skin/ui/skin_colour.h"
#include "skin/ui/skin_painting.h"

namespace kestrum {

void DrawURLLabel(QPainter& painter, const QRect& rect, const URLLabelLook& look) {
    painter.save();
    if (!look.transparent) {
        painter.fillRect(rect, look.background);
    }
    painter.setFont(look.font);
    painter.setPen(look.fontColor);
    const int wrap = look.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    painter.drawText(rect, static_cast<int>(look.alignment) | wrap | kCaptionTextFlags,
                     look.caption);
    painter.restore();
}

TlumURLLabel::TlumURLLabel(QWidget* parent) : QLabel(parent) {
    QFont underlined = ProgramFont();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setText("Link");
    AdjustSize();
}

void TlumURLLabel::SetCaption(const QString& caption) {
    if (caption == text()) {
        return;
    }
    setText(caption);
    AdjustSize();
}

void TlumURLLabel::SetURL(const QString& url) {
    if (url != url_) {
        url_ = url;
    }
}

void TlumURLLabel::SetFontLinkColor(TColor color) {
    linkColor_ = color;
    SetFontColor(color);
}

void TlumURLLabel::SetFontColor(TColor color) {
    if (std::exchange(fontColor_, color) != color) {
        update();
    }
}

void TlumURLLabel::SetTransparent(bool transparent) {
    if (std::exchange(transparent_, transparent) != transparent) {
        update();
    }
}

void TlumURLLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void TlumURLLabel::SetColor(TColor color) {
    if (std::exchange(color_, color) != color) {
        update();
    }
}

void TlumURLLabel::AdjustSize() {
    if (autoSize_) {
        resize(sizeHint());
    }
}

URLLabelLook TlumURLLabel::Look() const {
    URLLabelLook look;
    look.caption = text();
    look.font = font();
    look.fontColor = ToQColor(fontColor_);
    look.transparent = transparent_;
    look.background = ToQColor(color_);
    look.alignment = alignment();
    look.wordWrap = wordWrap();
    return look;
}

void TlumURLLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawURLLabel(painter, rect(), Look());
}

void TlumURLLabel::enterEvent(QEnterEvent*) {
    SetFontColor(hoverColor_);
}

void TlumURLLabel::leaveEvent(QEvent*) {
    SetFontColor(linkColor_);
}

void TlumURLLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void TlumURLLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !std::exchange(pressed_, false) ||
        !rect().contains(event->position().toPoint())) {
        return;
    }
    if (!url_.trimmed().isEmpty()) {
        Shell().Open(url_);
    }
    emit OnClick();
}

void TlumURLLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        AdjustSize();
    }
}

}  // namespace kestrum
