#include "skin/ui/button.h"

#include <QApplication>

#include "skin/ui/dialog_keys.h"
#include "skin/ui/skin_bitmaps.h"
#include "skin/ui/skin_painting.h"

namespace kestrum {

TlumButton::TlumButton(QWidget* parent) : TlumCustomButton(parent) {
    InstallDialogKeys();
    ApplyStyle();
}

void TlumButton::ApplyStyle() {
    TlumCustomButton::ApplyStyle();
    const ResolvedStyle resolved = Theme().Resolve(UIStyle());
    SetFontColor(resolved.useFileTheme ? static_cast<TColor>(Theme().Source()->Colour(24))
                                       : kClBlack);
}

void TlumButton::SetGlyph(const QImage& glyph) {
    if (glyph == glyph_) {
        return;
    }
    glyph_ = glyph;
    glyphEnabled_ = {};
    glyphDisabled_ = {};
    if (!glyph.isNull()) {
        // The glyph's top-left pixel colour is transparent.
        const QImage keyed = WithoutKeyColour(glyph, glyph.pixel(0, 0));
        if (glyph.width() == 2 * glyph.height()) {
            glyphEnabled_ = keyed.copy(0, 0, glyph.height(), glyph.height());
            glyphDisabled_ = keyed.copy(glyph.height(), 0, glyph.height(), glyph.height());
        } else {
            glyphEnabled_ = keyed;
            glyphDisabled_ = GreyedImage(keyed);
        }
    }
    update();
}

void TlumButton::SetLayout(TButtonLayout layout) {
    if (std::exchange(layout_, layout) != layout) {
        update();
    }
}

void TlumButton::SetSpacing(int spacing) {
    if (std::exchange(spacing_, spacing) != spacing) {
        update();
    }
}

void TlumButton::SetDefault(bool isDefault) {
    if (std::exchange(default_, isDefault) != isDefault) {
        update();
    }
}

bool TlumButton::IsActiveDefault() const {
    const auto* focused = qobject_cast<const TlumButton*>(QApplication::focusWidget());
    if (focused != nullptr && focused->window() == window()) {
        return focused == this;
    }
    return default_;
}

ButtonLook TlumButton::Look() const {
    ButtonLook look = TlumCustomButton::Look();
    look.glyph = glyphEnabled_;
    look.glyphDisabled = glyphDisabled_;
    look.layout = layout_;
    look.spacing = spacing_;
    if (!glyphEnabled_.isNull() && look.focusMark == ButtonLook::FocusMark::BoldCaption) {
        look.focusMark = ButtonLook::FocusMark::None;  // a caption beside a glyph is never bold
    }
    return look;
}

}  // namespace kestrum
