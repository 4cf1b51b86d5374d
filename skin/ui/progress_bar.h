#pragma once

#include <QImage>
#include <QWidget>

#include "skin/core/progress_geometry.h"
#include "skin/ui/skin_types.h"
#include "skin/ui/theme_link.h"

namespace kestrum {

// What a skinned progress bar draws.
struct ProgressBarLook {
    ProgressRange range;
    bool vertical = false;
    QString caption;  // empty: no caption
    QColor captionColor = Qt::black;
    QFont captionFont;
    QColor color;    // the unfilled part
    QColor border;   // invalid: no frame (file themes)
    QImage picture;  // stretched over the filled part (rotated for vertical bars)
    // A file theme's pieces, magenta keyed out: left cap, filled middle,
    // remaining track, right cap.
    bool fileTheme = false;
    QImage caps[4];
};

void DrawProgressBar(QPainter& painter, const QRect& rect, const ProgressBarLook& look);

// The progress window's bar: a position between Min and Max shown as a
// stretched picture, the rest in Color, a one-pixel border and the percentage
// as a centred caption. Nothing is clamped: positions outside the range show
// percentages below 0 or above 100.
class TlumProgressBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(kestrum::TlumOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE SetShowCaption)
    Q_PROPERTY(bool SmartShowCaption READ SmartShowCaption WRITE SetSmartShowCaption)
    Q_PROPERTY(uint CaptionColor READ CaptionColor WRITE SetCaptionColor)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(kestrum::TlumUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(kestrum::TlumThemeSource* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(QString Caption READ Caption)

public:
    explicit TlumProgressBar(QWidget* parent = nullptr);

    int Min() const { return range_.min; }
    void SetMin(int min);
    int Max() const { return range_.max; }
    void SetMax(int max);
    int Position() const { return range_.position; }
    void SetPosition(int position);
    TlumOrientation Orientation() const { return orientation_; }
    void SetOrientation(TlumOrientation orientation);
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool show);
    bool SmartShowCaption() const { return smartShowCaption_; }
    void SetSmartShowCaption(bool smart);
    TColor CaptionColor() const { return captionColor_; }
    void SetCaptionColor(TColor color);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    QImage Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    TlumUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TlumUIStyle style);
    TlumThemeSource* FileTheme() const { return theme_.Source(); }
    void SetFileTheme(TlumThemeSource* theme);
    // "50%": the percentage the bar shows.
    QString Caption() const { return caption_; }

    ProgressBarLook Look() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyStyle();
    void RangeChanged();
    void Repaint(bool changed);

    ProgressRange range_;
    TlumOrientation orientation_ = TlumOrientation::lumHorizontal;
    bool showCaption_ = true;
    bool smartShowCaption_ = false;
    TColor captionColor_ = kClBlack;
    TColor color_ = kClBtnFace;
    TColor borderColor_ = kClBlack;
    QImage picture_;
    TlumUIStyle style_;
    ThemeLink theme_;
    QString caption_;
    QImage caps_[4];
};

}  // namespace kestrum
