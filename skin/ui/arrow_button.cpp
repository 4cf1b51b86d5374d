#include "skin/ui/arrow_button.h"

namespace kestrum {

TlumArrowButton::TlumArrowButton(QWidget* parent) : TlumCustomButton(parent) {}

void TlumArrowButton::SetArrow(TlumArrow arrow) {
    if (std::exchange(arrow_, arrow) != arrow) {
        update();
    }
}

ButtonLook TlumArrowButton::Look() const {
    ButtonLook look = TlumCustomButton::Look();
    look.arrow = arrow_;
    // The arrow has no caption to embolden: every style shows the focus
    // rectangle, two pixels in.
    look.focusMargin = 2;
    if (look.focusMark != ButtonLook::FocusMark::None) {
        look.focusMark = ButtonLook::FocusMark::Rectangle;
    }
    return look;
}

}  // namespace kestrum
