#include "app/ui/sunken_line.h"

#include <QPainter>

#include "skin/ui/skin_colour.h"

namespace kestrum {

void DrawLoweredBevel(QPainter& painter, const QRect& rect, const QColor& shadow,
                      const QColor& highlight) {
    if (rect.isEmpty()) {
        return;
    }
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.right();
    const int bottom = rect.bottom();
    // Highlight last, so that it wins the corners it shares with the shadow.
    painter.fillRect(QRect(left, top, 1, rect.height()), shadow);
    painter.fillRect(QRect(left, top, rect.width() - 1, 1), shadow);
    painter.fillRect(QRect(right, top, 1, rect.height()), highlight);
    painter.fillRect(QRect(left, bottom, rect.width(), 1), highlight);
}

TSunkenLine::TSunkenLine(QWidget* parent) : QWidget(parent) {}

void TSunkenLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawLoweredBevel(painter, rect(), ToQColor(kClBtnShadow), ToQColor(kClBtnHighlight));
}

}  // namespace kestrum
