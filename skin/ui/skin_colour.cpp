#include "skin/ui/skin_colour.h"

#include <QApplication>
#include <QPalette>

namespace kestrum {
namespace {

QColor SystemColor(int index) {
    const QPalette palette = QApplication::palette();
    switch (index) {
        case 5:  // window
            return palette.color(QPalette::Base);
        case 7:  // menu text
            return QApplication::palette("QMenu").color(QPalette::Text);
        case 8:  // window text
            return palette.color(QPalette::WindowText);
        case 13:  // highlight
            return palette.color(QPalette::Highlight);
        case 14:  // highlight text
            return palette.color(QPalette::HighlightedText);
        case 15:  // button face
            return palette.color(QPalette::Button);
        case 16:  // button shadow
            return palette.color(QPalette::Dark);
        case 17:  // grey text
            return palette.color(QPalette::Disabled, QPalette::Text);
        case 18:  // button text
            return palette.color(QPalette::ButtonText);
        case 20:  // button highlight
            return palette.color(QPalette::Light);
        default:
            return Qt::black;
    }
}

}  // namespace

QColor ToQColor(TColor color) {
    if (IsSystemColor(color)) {
        return SystemColor(SystemColorIndex(color));
    }
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

}  // namespace kestrum
