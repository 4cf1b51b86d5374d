#include "skin/ui/edit.h"

#include <QPainter>

#include "skin/ui/program_font.h"
#include "skin/ui/skin_colour.h"
#include "skin/ui/skin_painting.h"

namespace kestrum {

void DrawEditBorder(QPainter& painter, const QRect& rect, const QColor& border,
                    const QColor& inside) {
    FrameRect(painter, rect, border);
    FrameRect(painter, rect.adjusted(1, 1, -1, -1), inside);
}

TlumEdit::TlumEdit(QWidget* parent) : QLineEdit(parent), style_(GetDefaultStyle()) {
    setFrame(false);
    setContentsMargins(2, 2, 2, 2);
    setFont(ProgramFont());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(true);
    ApplyStyle();
    ApplyColours();
}

void TlumEdit::SetUIStyle(TlumUIStyle style) {
    style_ = style;
    ApplyStyle();
}

void TlumEdit::SetFileTheme(TlumThemeSource* theme) {
    theme_.Follow(
        this, theme, [this] { ApplyStyle(); }, [this] { SetUIStyle(TlumUIStyle::DeepBlue); });
    ApplyStyle();
}

void TlumEdit::ApplyStyle() {
    const ResolvedStyle resolved = theme_.Resolve(style_);
    borderColor_ = resolved.useFileTheme ? static_cast<TColor>(theme_.Source()->Colour(22))
                                         : GetThemeColor(resolved.builtIn, 25);
    update();
}

void TlumEdit::SetBorderColor(TColor color) {
    if (std::exchange(borderColor_, color) != color) {
        update();
    }
}

void TlumEdit::SetColor(TColor color) {
    if (std::exchange(color_, color) != color) {
        ApplyColours();
    }
}

void TlumEdit::SetFontColor(TColor color) {
    if (std::exchange(fontColor_, color) != color) {
        ApplyColours();
    }
}

void TlumEdit::ApplyColours() {
    // The box keeps its colour when read-only or disabled, as the frame does.
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, ToQColor(color_));
        colours.setColor(group, QPalette::Window, ToQColor(color_));
    }
    colours.setColor(QPalette::Active, QPalette::Text, ToQColor(fontColor_));
    colours.setColor(QPalette::Inactive, QPalette::Text, ToQColor(fontColor_));
    setPalette(colours);
    update();
}

void TlumEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    DrawEditBorder(painter, rect(), ToQColor(borderColor_), ToQColor(color_));
}

}  // namespace kestrum
