#pragma once

#include <QFont>

#include "app/ui/graphic_control.h"

#include "skin/core/ui_style.h"

namespace kestrum {

// What a label draws.
struct LabelLook {
    QString caption;
    QFont font;
    QColor fontColor;
    bool enabled = true;
    QColor disabledLight;  // the engraved caption of a disabled label
    QColor disabledDark;
};

void DrawLabel(QPainter& painter, const QRect& rect, const LabelLook& look);

// A static text of a window, on whatever lies behind it. It sizes itself to
// its caption (one line) unless a window gives it a width; disabled, it is
// drawn engraved. A click fires OnClick, for labels that open something.
class TLabel : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(uint FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)

public:
    explicit TLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    LabelLook Look() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void AdjustSize();

    QString caption_;
    TColor fontColor_ = kClWindowText;
    bool autoSize_ = true;
};

}  // namespace kestrum
