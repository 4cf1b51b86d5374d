#pragma once

#include <QLabel>

#include "skin/core/ui_style.h"

namespace kestrum {

// What a link label draws.
struct URLLabelLook {
    QString caption;
    QFont font;
    QColor fontColor;
    bool transparent = true;
    QColor background;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
};

void DrawURLLabel(QPainter& painter, const QRect& rect, const URLLabelLook& look);

// An underlined label that changes colour under the pointer and opens its
// URL through the shell service when clicked (a blank URL opens nothing,
// though OnClick still fires).
class TlumURLLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE SetCaption)
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(uint FontHoverColor READ FontHoverColor WRITE SetFontHoverColor)
    Q_PROPERTY(uint FontLinkColor READ FontLinkColor WRITE SetFontLinkColor)
    Q_PROPERTY(uint FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)

public:
    explicit TlumURLLabel(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    QString URL() const { return url_; }
    void SetURL(const QString& url);
    TColor FontHoverColor() const { return hoverColor_; }
    void SetFontHoverColor(TColor color) { hoverColor_ = color; }
    TColor FontLinkColor() const { return linkColor_; }
    // Also gives the label this colour at once.
    void SetFontLinkColor(TColor color);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    URLLabelLook Look() const;

signals:
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void AdjustSize();

    QString url_ = "https://www.example.com/";
    TColor hoverColor_ = 0x0000FF;
    TColor linkColor_ = 0xFF0000;
    TColor fontColor_ = 0xFF0000;
    bool transparent_ = false;
    bool autoSize_ = true;
    TColor color_ = kClBtnFace;
    bool pressed_ = false;
};

}  // namespace kestrum
