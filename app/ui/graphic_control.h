#pragma once

#include <QWidget>

namespace kestrum {

// What labels and pictures share: they take no focus, and a left button
// pressed and released over them is a click (OnClick).
class TGraphicControl : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

signals:
    void OnClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace kestrum
