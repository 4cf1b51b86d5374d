#include "skin/ui/check_box.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "skin/core/check_box_layout.h"
#include "skin/ui/dialog_keys.h"
#include "skin/ui/program_font.h"
#include "skin/ui/skin_bitmaps.h"
#include "skin/ui/skin_colour.h"
#include "skin/ui/skin_painting.h"

namespace kestrum {
namespace {

int TextHeight(const QFont& font) {
    return QFontMetrics(font).height();
}

}  // namespace

QSize CheckBoxAutoSize(const CheckBoxLook& look) {
    const PixelSize size = CheckBoxAutoSize({look.image.width(), look.image.height()},
                                            QFontMetrics(look.font).horizontalAdvance(look.caption),
                                            TextHeight(look.font));
    return {size.width, size.height};
}

void DrawCheckBox(QPainter& painter, const QRect& rect, const CheckBoxLook& look) {
    painter.save();
    if (!look.transparent) {
        painter.fillRect(rect, look.background);
    }
    const int textHeight = TextHeight(look.font);
    const CheckBoxLayout layout =
        LayoutCheckBox({rect.width(), rect.height()}, {look.image.width(), look.image.height()},
                       textHeight, look.rightToLeft);
    const QPoint origin = rect.topLeft();
    if (!look.image.isNull()) {
        painter.drawImage(origin + QPoint(layout.image.x, layout.image.y), look.image);
    }
    painter.setFont(look.font);
    painter.setPen(look.fontColor);
    const int align = look.rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(ToQRect(layout.caption).translated(origin),
                     Qt::TextSingleLine | Qt::AlignTop | align | kCaptionTextFlags, look.caption);
    if (look.focused) {
        DrawFocusRect(painter, ToQRect(layout.focus).translated(origin));
    }
    painter.restore();
}

TlumCheckBox::TlumCheckBox(QWidget* parent) : QWidget(parent), style_(GetDefaultStyle()) {
    InstallDialogKeys();
    setFocusPolicy(Qt::TabFocus);
    setFont(ProgramFont());
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(93, 17);
    ApplyStyle();
}

void TlumCheckBox::SetChecked(bool checked) {
    if (checked_ == checked) {
        return;
    }
    checked_ = checked;
    update();
    emit OnClick();
}

TCheckBoxState TlumCheckBox::State() const {
    return checked_ ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked;
}

void TlumCheckBox::SetState(TCheckBoxState state) {
    SetChecked(state == TCheckBoxState::cbChecked);
}

void TlumCheckBox::SetCaption(const QString& caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = caption;
    AdjustSize();
    update();
}

void TlumCheckBox::SetAutoSize(bool autoSize) {
    if (std::exchange(autoSize_, autoSize) == autoSize) {
        return;
    }
    AdjustSize();
    update();
}

void TlumCheckBox::SetTransparent(bool transparent) {
    if (std::exchange(transparent_, transparent) == transparent) {
        return;
    }
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    update();
}

void TlumCheckBox::SetUIStyle(TlumUIStyle style) {
    style_ = style;
    ApplyStyle();
}

void TlumCheckBox::SetFileTheme(TlumThemeSource* theme) {
    theme_.Follow(
        this, theme, [this] { ApplyStyle(); }, [this] { SetUIStyle(TlumUIStyle::DeepBlue); });
    ApplyStyle();
}

void TlumCheckBox::SetTabStop(bool tabStop) {
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
    update();
}

void TlumCheckBox::SetColor(TColor color) {
    if (std::exchange(color_, color) != color) {
        update();
    }
}

void TlumCheckBox::SetFontColor(TColor color) {
    if (std::exchange(fontColor_, color) != color) {
        update();
    }
}

void TlumCheckBox::ApplyStyle() {
    const ResolvedStyle resolved = theme_.Resolve(style_);
    if (resolved.useFileTheme) {
        // A skin's check box strip has six frames; these four are ours.
        const QImage strip = theme_.Source()->Bitmap(16);
        const int frames[] = {1, 3, 4, 6};
        for (int i = 0; i < 4; ++i) {
            frames_[i] = CutStripFrame(strip, 6, frames[i]);
        }
    } else {
        const QImage strip = GetThemeBitmap(resolved.builtIn, 3);
        for (int i = 0; i < 4; ++i) {
            frames_[i] = CutStripFrame(strip, 4, i + 1);
        }
    }
    AdjustSize();
    update();
}

void TlumCheckBox::AdjustSize() {
    if (autoSize_) {
        resize(CheckBoxAutoSize(Look()));
    }
}

CheckBoxLook TlumCheckBox::Look() const {
    CheckBoxLook look;
    look.image = frames_[(checked_ ? 0 : 1) + (isEnabled() ? 0 : 2)];
    look.transparent = transparent_;
    look.background = ToQColor(color_);
    look.caption = caption_;
    look.font = font();
    look.fontColor = ToQColor(fontColor_);
    look.focused = hasFocus() && TabStop();
    look.rightToLeft = isRightToLeft();
    return look;
}

void TlumCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawCheckBox(painter, rect(), Look());
}

void TlumCheckBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        if (TabStop() && isEnabled() && isVisible()) {
            setFocus(Qt::MouseFocusReason);
        }
    }
}

void TlumCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && std::exchange(pressed_, false) &&
        rect().contains(event->position().toPoint())) {
        Click();
    }
}

void TlumCheckBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click counts as a press of its own.
    mousePressEvent(event);
}

void TlumCheckBox::keyReleaseEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        Click();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TlumCheckBox::focusInEvent(QFocusEvent*) {
    update();
}

void TlumCheckBox::focusOutEvent(QFocusEvent*) {
    update();
}

void TlumCheckBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        AdjustSize();
    }
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::LayoutDirectionChange) {
        update();
    }
    QWidget::changeEvent(event);
}

}  // namespace kestrum
