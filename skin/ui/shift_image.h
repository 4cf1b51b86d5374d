#pragma once

#include <QImage>
#include <QWidget>

namespace kestrum {

// What a hover image draws.
struct ShiftImageLook {
    QImage picture;
    bool stretch = false;
    bool center = false;
};

void DrawShiftImage(QPainter& painter, const QRect& rect, const ShiftImageLook& look);

// A picture that swaps to FocusedPicture under the pointer and back to
// NoFocusedPicture when it leaves (not while disabled), and moves two pixels
// right and down while a mouse button is held on it.
class TKadShiftImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(QImage FocusedPicture READ FocusedPicture WRITE SetFocusedPicture)
    Q_PROPERTY(QImage NoFocusedPicture READ NoFocusedPicture WRITE SetNoFocusedPicture)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)

public:
    explicit TKadShiftImage(QWidget* parent = nullptr);

    QImage Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    QImage FocusedPicture() const { return focused_; }
    void SetFocusedPicture(const QImage& picture) { focused_ = picture; }
    QImage NoFocusedPicture() const { return noFocused_; }
    void SetNoFocusedPicture(const QImage& picture) { noFocused_ = picture; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Center() const { return center_; }
    void SetCenter(bool center);

    ShiftImageLook Look() const { return {picture_, stretch_, center_}; }

signals:
    void OnClick();
    void OnMouseEnter();
    void OnMouseLeave();
    void OnMouseDown();
    void OnMouseUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void AdjustSize();

    QImage picture_;
    QImage focused_;
    QImage noFocused_;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool center_ = false;
    bool clickArmed_ = false;
};

}  // namespace kestrum
