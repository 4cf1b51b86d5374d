#include "skin/ui/custom_button.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "skin/ui/program_font.h"
#include "skin/ui/skin_colour.h"

namespace kestrum {
namespace {

// The size a missing strip counts as.
constexpr int kBlankWidth = 74;
constexpr int kBlankHeight = 21;

bool IsPressKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TlumCustomButton::TlumCustomButton(QWidget* parent) : QWidget(parent), style_(GetDefaultStyle()) {
    setFocusPolicy(Qt::TabFocus);
    setFont(ProgramFont());
    resize(80, 27);
    ApplyStyle();
}

TlumCustomButton::~TlumCustomButton() = default;

void TlumCustomButton::Repaint(bool changed) {
    if (changed) {
        update();
    }
}

void TlumCustomButton::SetCaption(const QString& caption) {
    Repaint(std::exchange(caption_, caption) != caption);
}

void TlumCustomButton::SetUIStyle(TlumUIStyle style) {
    style_ = style;
    ApplyStyle();
}

void TlumCustomButton::SetFileTheme(TlumThemeSource* theme) {
    theme_.Follow(
        this, theme, [this] { ApplyStyle(); }, [this] { SetUIStyle(TlumUIStyle::DeepBlue); });
    ApplyStyle();
}

void TlumCustomButton::SetTransparent(bool transparent) {
    if (transparent_ == transparent) {
        return;
    }
    transparent_ = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent_);
    update();
}

void TlumCustomButton::SetFocusedRectMargin(int margin) {
    Repaint(std::exchange(focusedRectMargin_, margin) != margin);
}

void TlumCustomButton::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustToStrip();
}

void TlumCustomButton::SetTabStop(bool tabStop) {
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
    update();
}

void TlumCustomButton::SetColor(TColor color) {
    Repaint(std::exchange(color_, color) != color);
}

void TlumCustomButton::SetFontColor(TColor color) {
    Repaint(std::exchange(fontColor_, color) != color);
}

void TlumCustomButton::ApplyStyle() {
    const ResolvedStyle resolved = theme_.Resolve(style_);
    const QImage strip =
        resolved.useFileTheme ? theme_.Source()->Bitmap(15) : GetThemeBitmap(resolved.builtIn, 1);
    for (int i = 0; i < 3; ++i) {
        frames_[i] = StripSkinFrame(strip, 3, i + 1);
    }
    transparent_ =
        resolved.useFileTheme ? theme_.Source()->Boolean(5) : GetThemeBool(resolved.builtIn, 2);
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent_);
    AdjustToStrip();
    update();
}

void TlumCustomButton::AdjustToStrip() {
    if (!autoSize_) {
        return;
    }
    if (frames_[0].IsNull()) {
        resize(kBlankWidth / 3, kBlankHeight);
    } else {
        resize(frames_[0].Size());
    }
}

const SkinFrame& TlumCustomButton::StateImage() const {
    if (isEnabled() && down_) {
        return frames_[2];
    }
    if (isEnabled() && hot_) {
        return frames_[1];
    }
    return frames_[0];
}

ButtonLook TlumCustomButton::Look() const {
    ButtonLook look;
    look.image = StateImage();
    look.transparent = transparent_;
    look.background = ToQColor(color_);
    look.caption = caption_;
    look.font = font();
    look.fontColor = ToQColor(fontColor_);
    look.enabled = isEnabled();
    look.down = down_;
    look.focusMargin = focusedRectMargin_;
    if (hasFocus() && TabStop()) {
        const bool bold = style_ == TlumUIStyle::MacOS || style_ == TlumUIStyle::BlueGlass;
        look.focusMark =
            bold ? ButtonLook::FocusMark::BoldCaption : ButtonLook::FocusMark::Rectangle;
    }
    return look;
}

void TlumCustomButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawButton(painter, rect(), Look());
}

void TlumCustomButton::Click() {
    if (down_) {
        StopRepeat();
        down_ = false;
        update();
    }
    QPointer<QDialog> dialog =
        parentWidget() != nullptr ? qobject_cast<QDialog*>(window()) : nullptr;
    if (dialog) {
        dialog->setResult(modalResult_);
    }
    emit OnClick();
    // As in a modal dialog loop: the handler may still have changed the result.
    if (dialog && dialog->isModal() && dialog->isVisible() && dialog->result() != 0) {
        dialog->done(dialog->result());
    }
}

void TlumCustomButton::StopRepeat() {
    repeat_.reset();
}

void TlumCustomButton::enterEvent(QEnterEvent*) {
    hot_ = true;
    update();
    emit OnMouseEnter();
}

void TlumCustomButton::leaveEvent(QEvent*) {
    hot_ = false;
    down_ = false;
    StopRepeat();
    update();
    emit OnMouseExit();
}

void TlumCustomButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    down_ = true;
    clickArmed_ = true;
    if (!repeat_) {
        repeat_ = std::make_unique<QTimer>();
        connect(repeat_.get(), &QTimer::timeout, this, &TlumCustomButton::OnMouseContinuouslyDown);
        repeat_->start(std::max(repeatInterval_, 0));
    }
    if (TabStop() && isEnabled() && isVisible()) {
        setFocus(Qt::MouseFocusReason);
    }
    update();
}

void TlumCustomButton::mouseMoveEvent(QMouseEvent* event) {
    if (!rect().contains(event->position().toPoint()) && (hot_ || down_ || clickArmed_)) {
        hot_ = false;
        down_ = false;
        clickArmed_ = false;
        update();
    }
}

void TlumCustomButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool click = clickArmed_ && rect().contains(event->position().toPoint());
    clickArmed_ = false;
    StopRepeat();
    if (click) {
        Click();
    } else if (std::exchange(down_, false)) {
        update();
    }
}

void TlumCustomButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click is a second press, as if the first had not been quick.
    mousePressEvent(event);
}

void TlumCustomButton::keyPressEvent(QKeyEvent* event) {
    if (!IsPressKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    down_ = true;
    update();
}

void TlumCustomButton::keyReleaseEvent(QKeyEvent* event) {
    if (!IsPressKey(event->key()) || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (down_) {
        down_ = false;
        update();
        Click();
    }
}

void TlumCustomButton::focusInEvent(QFocusEvent*) {
    update();
}

void TlumCustomButton::focusOutEvent(QFocusEvent*) {
    update();
}

void TlumCustomButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) {
        update();
    }
    QWidget::changeEvent(event);
}

}  // namespace kestrum
