#pragma once

#include <QPointer>
#include <QProxyStyle>

namespace kestrum {

class TlumPopupMenu;

// The style a skinned popup menu and all its submenus use: it measures and
// draws every item through the owning menu's look, and draws the menu's
// background and frame to match.
class TlumMenuStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit TlumMenuStyle(TlumPopupMenu* owner);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

private:
    QPointer<TlumPopupMenu> owner_;
};

}  // namespace kestrum
