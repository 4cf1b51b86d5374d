#include "skin/ui/menu_look.h"

#include <QFontMetrics>

#include "skin/ui/skin_bitmaps.h"
#include "skin/ui/skin_painting.h"

namespace kestrum {
namespace {

const QColor kDisabledText(0x80, 0x80, 0x80);

TColor ToTColor(const QColor& color) {
    return MakeColor(color.red(), color.green(), color.blue());
}

// The MacOS pictures are cut to the height the menu gives them, then
// stretched over the item.
void StretchMacOSPicture(QPainter& painter, const QRect& rect, const char* name, int height) {
    const QImage picture = LoadSkinBitmap(name);
    if (!picture.isNull()) {
        painter.drawImage(rect, picture.copy(0, 0, picture.width(), height));
    }
}

void PaintBarAndBody(QPainter& painter, const QRect& bar, const QRect& body, const MenuLook& look) {
    if (look.metrics.barWidth > 0) {
        if (look.barColor == look.barToColor) {
            painter.fillRect(bar, look.barColor);
        } else {
            FillGradientH(painter, bar, ToTColor(look.barColor), ToTColor(look.barToColor));
        }
    }
    painter.fillRect(body, look.color);
}

void DrawSubmenuArrow(QPainter& painter, const QRect& rect, const QColor& color, bool rtl) {
    const int x = rtl ? rect.left() + 6 : rect.right() - 9;
    const int y = rect.top() + (rect.height() - 7) / 2;
    for (int i = 0; i < 4; ++i) {
        const int length = 7 - 2 * i;
        painter.fillRect(rtl ? x + 3 - i : x + i, y + i, 1, length, color);
    }
}

}  // namespace

QSize MeasureMenuItem(const MenuLook& look, const MenuItemState& item) {
    const QFontMetrics metrics(look.font);
    const PixelSize size = MeasureMenuItem(
        look.metrics, item.separator, metrics.horizontalAdvance(item.caption),
        item.shortcut.isEmpty() ? 0 : metrics.horizontalAdvance(item.shortcut), metrics.height());
    return {size.width, size.height};
}

void DrawMenuItem(QPainter& painter, const QRect& rect, const MenuLook& look,
                  const MenuItemState& item) {
    painter.save();
    const PixelRect r{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
    const int shortcutWidth =
        item.shortcut.isEmpty() ? 0 : QFontMetrics(look.font).horizontalAdvance(item.shortcut);
    const MenuItemLayout layout =
        LayoutMenuItem(r, look.metrics.barWidth, shortcutWidth, item.rightToLeft);

    if (item.separator) {
        if (look.macOS) {
            StretchMacOSPicture(painter, rect, "MACOS_MENU_BAR", 12);
        } else {
            PaintBarAndBody(painter, ToQRect(layout.bar), ToQRect(layout.body), look);
            painter.fillRect(ToQRect(MenuSeparatorLine(r, look.metrics.barWidth, item.rightToLeft)),
                             look.separatorColor);
        }
        painter.restore();
        return;
    }

    const bool highlighted = item.selected && item.enabled;
    if (highlighted && look.macOS) {
        StretchMacOSPicture(painter, rect, "MACOS_MENU_SELECT", 20);
    } else if (highlighted) {
        painter.fillRect(rect, look.selectedColor);
        FrameRect(painter, rect, look.selectedBorderColor);
    } else if (look.macOS) {
        StretchMacOSPicture(painter, rect, "MACOS_MENU_BAR", 20);
    } else {
        PaintBarAndBody(painter, ToQRect(layout.bar), ToQRect(layout.body), look);
    }

    QFont font = look.font;
    font.setBold(item.isDefault);
    painter.setFont(font);
    const QColor text = !item.enabled   ? kDisabledText
                        : item.selected ? look.selectedFontColor
                                        : look.fontColor;
    painter.setPen(text);
    const int align = item.rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(ToQRect(layout.caption),
                     Qt::TextSingleLine | Qt::AlignVCenter | align | Qt::TextShowMnemonic,
                     item.caption);
    if (!item.shortcut.isEmpty()) {
        painter.drawText(ToQRect(layout.shortcut),
                         Qt::TextSingleLine | Qt::AlignVCenter | Qt::AlignLeft, item.shortcut);
    }

    const QPoint imageAt(layout.image.x, layout.image.y);
    if (item.checked) {
        if (!item.image.isNull()) {
            FrameRect(painter, ToQRect(layout.checkedImageFrame), Qt::black);
            painter.fillRect(ToQRect(layout.checkedImageFill), look.selectedColor);
        } else {
            static const QImage greyedCheck = GreyedImage(MenuCheckedImage());
            painter.drawImage(imageAt, item.enabled ? MenuCheckedImage() : greyedCheck);
        }
    }
    if (!item.image.isNull()) {
        painter.drawImage(imageAt, item.enabled ? item.image : GreyedImage(item.image));
    }
    if (item.hasSubmenu) {
        DrawSubmenuArrow(painter, rect, text, item.rightToLeft);
    }
    painter.restore();
}

void DrawFlatMenuBorder(QPainter& painter, const QRect& rect, const MenuLook& look) {
    const int w = rect.width(), h = rect.height();
    const QPoint o = rect.topLeft();
    FrameRect(painter, QRect(o + QPoint(0, 1), QSize(w - 1, h - 2)), Qt::black);
    FrameRect(painter, QRect(o + QPoint(1, 2), QSize(w - 3, h - 4)), Qt::white);
    painter.fillRect(QRect(o + QPoint(0, h - 1), QSize(w - 1, 1)), look.flatBorderColor);
    painter.fillRect(QRect(o + QPoint(w - 1, 0), QSize(1, h)), look.flatBorderColor);
    painter.fillRect(QRect(o + QPoint(1, 0), QSize(w - 1, 1)), look.flatBorderColor);
}

}  // namespace kestrum
