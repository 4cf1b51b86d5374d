#pragma once

#include <QImage>
#include <QWidget>

#include "skin/ui/skin_types.h"
#include "skin/ui/theme_link.h"

namespace kestrum {

// What a skinned check box draws.
struct CheckBoxLook {
    QImage image;  // the box in its state; null draws no box
    bool transparent = false;
    QColor background;
    QString caption;
    QFont font;
    QColor fontColor = Qt::black;
    bool focused = false;
    bool rightToLeft = false;
};

void DrawCheckBox(QPainter& painter, const QRect& rect, const CheckBoxLook& look);

// The size an auto-sized check box takes for `look`.
QSize CheckBoxAutoSize(const CheckBoxLook& look);

// A two-state check box drawn from its style's check box strip, its caption
// beside the box. OnClick fires on every change of Checked, by the user or by
// code, and never when Checked is set to the value it has.
class TlumCheckBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(kestrum::TCheckBoxState State READ State WRITE SetState)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(kestrum::TlumUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(kestrum::TlumThemeSource* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(uint FontColor READ FontColor WRITE SetFontColor)

public:
    explicit TlumCheckBox(QWidget* parent = nullptr);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // Reads cbChecked or cbUnchecked; writing anything but cbChecked unchecks.
    TCheckBoxState State() const;
    void SetState(TCheckBoxState state);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TlumUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TlumUIStyle style);
    TlumThemeSource* FileTheme() const { return theme_.Source(); }
    void SetFileTheme(TlumThemeSource* theme);
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool tabStop);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);

    // Toggles Checked, as a click does.
    void Click() { SetChecked(!checked_); }

    CheckBoxLook Look() const;

signals:
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyStyle();
    void AdjustSize();

    bool checked_ = false;
    QString caption_;
    bool autoSize_ = true;
    bool transparent_ = false;
    TlumUIStyle style_;
    ThemeLink theme_;
    TColor color_ = kClBtnFace;
    TColor fontColor_ = kClBlack;
    bool pressed_ = false;
    // checked, unchecked, checked disabled, unchecked disabled
    QImage frames_[4];
};

}  // namespace kestrum
