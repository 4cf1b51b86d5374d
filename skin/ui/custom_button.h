#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "skin/ui/button_look.h"
#include "skin/ui/skin_types.h"
#include "skin/ui/theme_link.h"

namespace kestrum {

// The behaviour shared by the skinned push button and the arrow button: a
// focusable control painted from the three frames (normal, hot, pressed) of
// its style's button strip, with hot and pressed states, a repeat event while
// the left button is held, Space/Enter presses and a modal result.
class TlumCustomButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(kestrum::TlumUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(kestrum::TlumThemeSource* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(int FocusedRectMargin READ FocusedRectMargin WRITE SetFocusedRectMargin)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
                   SetMouseContinuouslyDownInterval)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(uint FontColor READ FontColor WRITE SetFontColor)

public:
    explicit TlumCustomButton(QWidget* parent = nullptr);
    ~TlumCustomButton() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TlumUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TlumUIStyle style);
    TlumThemeSource* FileTheme() const { return theme_.Source(); }
    void SetFileTheme(TlumThemeSource* theme);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    int FocusedRectMargin() const { return focusedRectMargin_; }
    void SetFocusedRectMargin(int margin);
    int MouseContinuouslyDownInterval() const { return repeatInterval_; }
    void SetMouseContinuouslyDownInterval(int milliseconds) { repeatInterval_ = milliseconds; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool tabStop);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);

    bool IsHot() const { return hot_; }
    bool IsDown() const { return down_; }

    // Ends a press, hands ModalResult to the dialog the button sits in and
    // fires OnClick; a dialog left with a non-zero result then closes with it.
    void Click();

    // What the button draws in its present state.
    virtual ButtonLook Look() const;

signals:
    void OnClick();
    void OnMouseEnter();
    void OnMouseExit();
    void OnMouseContinuouslyDown();

protected:
    // Takes what the style (or the file theme) gives: the three state frames
    // and the transparency of the corners. Subclasses add their own.
    virtual void ApplyStyle();
    const ThemeLink& Theme() const { return theme_; }

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Repaint(bool changed);
    void StopRepeat();
    void AdjustToStrip();
    const SkinFrame& StateImage() const;

    QString caption_;
    TlumUIStyle style_;
    ThemeLink theme_;
    bool transparent_ = false;
    int modalResult_ = 0;
    int focusedRectMargin_ = 2;
    int repeatInterval_ = 100;
    bool autoSize_ = false;
    TColor color_ = kClBtnFace;
    TColor fontColor_ = kClBlack;
    bool hot_ = false;
    bool down_ = false;
    bool clickArmed_ = false;
    SkinFrame frames_[3];
    std::unique_ptr<QTimer> repeat_;
};

}  // namespace kestrum
