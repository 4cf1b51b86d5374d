#include "skin/ui/flat_panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

#include "skin/ui/program_font.h"
#include "skin/ui/skin_colour.h"
#include "skin/ui/skin_painting.h"

namespace kestrum {
namespace {

int AlignmentFlags(TAlignment alignment) {
    switch (alignment) {
        case TAlignment::taLeftJustify:
            return Qt::AlignLeft;
        case TAlignment::taRightJustify:
            return Qt::AlignRight;
        case TAlignment::taCenter:
            break;
    }
    return Qt::AlignHCenter;
}

}  // namespace

void DrawFlatPanel(QPainter& painter, const QRect& rect, const FlatPanelLook& look) {
    painter.save();
    if (!look.transparent) {
        painter.fillRect(rect, look.background);
    }
    // Highlight up the left side and along the top, shadow down the right side
    // and along the bottom, which takes the bottom-left corner.
    const int l = rect.left(), t = rect.top(), w = rect.width(), h = rect.height();
    painter.fillRect(l, t, 1, h - 1, look.highlight);
    painter.fillRect(l, t, w - 1, 1, look.highlight);
    painter.fillRect(l + w - 1, t, 1, h, look.shadow);
    painter.fillRect(l, t + h - 1, w, 1, look.shadow);

    painter.setFont(look.font);
    const int flags =
        Qt::TextSingleLine | Qt::AlignVCenter | AlignmentFlags(look.alignment) | kCaptionTextFlags;
    if (look.enabled) {
        painter.setPen(look.fontColor);
        painter.drawText(rect, flags, look.caption);
    } else {
        DrawEngravedText(painter, rect, flags, look.caption, look.disabledLight, look.disabledDark);
    }
    painter.restore();
}

TFlatPanel::TFlatPanel(QWidget* parent) : QWidget(parent) {
    setFont(ProgramFont());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(0, 0, 41, 185);
}

void TFlatPanel::Repaint(bool changed) {
    if (changed) {
        update();
    }
}

void TFlatPanel::SetTransparent(bool transparent) {
    if (std::exchange(transparent_, transparent) != transparent) {
        setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
        update();
    }
}

void TFlatPanel::SetCaption(const QString& caption) {
    Repaint(std::exchange(caption_, caption) != caption);
}

void TFlatPanel::SetColor(TColor color) {
    parentColor_ = false;
    Repaint(std::exchange(color_, color) != color);
}

void TFlatPanel::SetParentColor(bool parentColor) {
    Repaint(std::exchange(parentColor_, parentColor) != parentColor);
}

void TFlatPanel::SetColorHighLight(TColor color) {
    Repaint(std::exchange(highlight_, color) != color);
}

void TFlatPanel::SetColorShadow(TColor color) {
    Repaint(std::exchange(shadow_, color) != color);
}

void TFlatPanel::SetAlignment(TAlignment alignment) {
    Repaint(std::exchange(alignment_, alignment) != alignment);
}

void TFlatPanel::SetFontColor(TColor color) {
    Repaint(std::exchange(fontColor_, color) != color);
}

FlatPanelLook TFlatPanel::Look() const {
    FlatPanelLook look;
    look.transparent = transparent_;
    look.background = ToQColor(color_);
    if (parentColor_ && parentWidget() != nullptr) {
        const QVariant parentColour = parentWidget()->property("Color");
        look.background = parentColour.isValid()
                              ? ToQColor(parentColour.toUInt())
                              : parentWidget()->palette().color(QPalette::Window);
    }
    look.highlight = ToQColor(highlight_);
    look.shadow = ToQColor(shadow_);
    look.caption = caption_;
    look.font = font();
    look.fontColor = ToQColor(fontColor_);
    look.alignment = alignment_;
    look.enabled = isEnabled();
    look.disabledLight = ToQColor(kClBtnHighlight);
    look.disabledDark = ToQColor(kClBtnShadow);
    return look;
}

void TFlatPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawFlatPanel(painter, rect(), Look());
}

void TFlatPanel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void TFlatPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && std::exchange(pressed_, false) &&
        rect().contains(event->position().toPoint())) {
        emit OnClick();
    }
}

void TFlatPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) {
        update();
    }
    QWidget::changeEvent(event);
}

}  // namespace kestrum
