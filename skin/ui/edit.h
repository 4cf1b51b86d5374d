#pragma once

#include <QLineEdit>

#include "skin/ui/skin_types.h"
#include "skin/ui/theme_link.h"

namespace kestrum {

// The flat frame of a skinned edit box, drawn over its 2-pixel margin: a
// ring in the border colour, and inside it a ring in the box's own colour.
void DrawEditBorder(QPainter& painter, const QRect& rect, const QColor& border,
                    const QColor& inside);

// A single-line edit box whose native frame is replaced by a flat one-pixel
// border in the style's control border colour. Read-only and disabled boxes
// keep the same frame; the inner ring follows Color.
class TlumEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(kestrum::TlumUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(kestrum::TlumThemeSource* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(uint FontColor READ FontColor WRITE SetFontColor)

public:
    explicit TlumEdit(QWidget* parent = nullptr);

    TlumUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TlumUIStyle style);
    TlumThemeSource* FileTheme() const { return theme_.Source(); }
    void SetFileTheme(TlumThemeSource* theme);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyStyle();
    void ApplyColours();

    TlumUIStyle style_;
    ThemeLink theme_;
    TColor borderColor_ = 0;
    TColor color_ = 0xFF000005;  // the system window colour
    TColor fontColor_ = kClWindowText;
};

}  // namespace kestrum
