#pragma once

#include <QWidget>

#include "skin/ui/skin_types.h"

namespace kestrum {

// What a flat panel draws.
struct FlatPanelLook {
    bool transparent = false;
    QColor background;
    QColor highlight;
    QColor shadow;
    QString caption;
    QFont font;
    QColor fontColor = Qt::black;
    TAlignment alignment = TAlignment::taCenter;
    bool enabled = true;
    QColor disabledLight;  // the engraved caption of a disabled panel
    QColor disabledDark;
};

void DrawFlatPanel(QPainter& painter, const QRect& rect, const FlatPanelLook& look);

// A flat panel with a one-pixel two-colour frame and a single-line caption,
// as the profile box shows the chosen profile. It may hold child controls.
class TFlatPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(uint ColorHighLight READ ColorHighLight WRITE SetColorHighLight)
    Q_PROPERTY(uint ColorShadow READ ColorShadow WRITE SetColorShadow)
    Q_PROPERTY(kestrum::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(uint FontColor READ FontColor WRITE SetFontColor)

public:
    explicit TFlatPanel(QWidget* parent = nullptr);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // The panel takes its parent's colour (its Color property, else its
    // window colour) until a colour of its own is set.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    TColor ColorHighLight() const { return highlight_; }
    void SetColorHighLight(TColor color);
    TColor ColorShadow() const { return shadow_; }
    void SetColorShadow(TColor color);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);

    FlatPanelLook Look() const;

signals:
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Repaint(bool changed);

    bool transparent_ = false;
    QString caption_;
    TColor color_ = kClBtnFace;
    bool parentColor_ = true;
    TColor highlight_ = 0x8396A0;
    TColor shadow_ = 0x8396A0;
    TAlignment alignment_ = TAlignment::taCenter;
    TColor fontColor_ = kClWindowText;
    bool pressed_ = false;
};

}  // namespace kestrum
