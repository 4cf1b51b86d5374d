#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include "skin/core/menu_layout.h"

namespace kestrum {

// How a skinned popup menu draws its items: its metrics, colours and font.
struct MenuLook {
    MenuMetrics metrics;
    bool macOS = false;  // item backgrounds from the MacOS menu pictures
    QColor barColor;
    QColor barToColor;
    QColor color;
    QColor separatorColor;
    QColor selectedBorderColor;
    QColor selectedColor;
    QColor selectedFontColor;
    QColor fontColor;
    QFont font;
    bool flatMenu = false;
    QColor flatBorderColor;  // the outermost line of the flat border
};

// One item as the menu draws it.
struct MenuItemState {
    QString caption;
    QString shortcut;  // the shortcut's text, empty when none
    bool separator = false;
    bool selected = false;
    bool enabled = true;
    bool isDefault = false;
    bool checked = false;
    bool hasSubmenu = false;
    QImage image;  // the item's 16 x 16 image, null when none
    bool rightToLeft = false;
};

QSize MeasureMenuItem(const MenuLook& look, const MenuItemState& item);
void DrawMenuItem(QPainter& painter, const QRect& rect, const MenuLook& look,
                  const MenuItemState& item);

// The border of a flat menu around the whole menu window `rect`.
void DrawFlatMenuBorder(QPainter& painter, const QRect& rect, const MenuLook& look);

}  // namespace kestrum
