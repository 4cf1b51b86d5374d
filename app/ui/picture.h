#pragma once

#include <QImage>

#include "app/ui/graphic_control.h"

namespace kestrum {

// A picture of a window: drawn at its top-left corner, or stretched over the
// whole control; transparent where the picture is. A click fires OnClick.
class TImage : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)

public:
    explicit TImage(QWidget* parent = nullptr);

    QImage Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool stretch_ = false;
};

}  // namespace kestrum
