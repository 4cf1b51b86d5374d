#pragma once

#include <QImage>
#include <QWidget>

namespace kestrum {

// A picture of a window: drawn at its top-left corner, or stretched over the
// whole control; transparent where the picture is. A click fires OnClick.
class TImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)

public:
    explicit TImage(QWidget* parent = nullptr);

    QImage Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

signals:
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool stretch_ = false;
    bool pressed_ = false;
};

}  // namespace kestrum
