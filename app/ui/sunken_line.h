#pragma once

#include <QWidget>

namespace kestrum {

// The lowered bevel of a panel one pixel wide: shadow along the top and
// left, highlight along the bottom and right. Two pixels high, it is the
// etched line that divides a window.
void DrawLoweredBevel(QPainter& painter, const QRect& rect, const QColor& shadow,
                      const QColor& highlight);

// A panel with a lowered bevel and nothing in it: the dividing lines.
class TSunkenLine : public QWidget {
    Q_OBJECT

public:
    explicit TSunkenLine(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestrum
