#include "skin/ui/menu_style.h"

#include <QAction>
#include <QMenu>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "skin/ui/popup_menu.h"
#include "skin/ui/skin_painting.h"

namespace kestrum {
namespace {

const QColor kMenuFrame(0x80, 0x80, 0x80);

MenuItemState ItemOf(const QStyleOptionMenuItem& option) {
    MenuItemState item;
    const qsizetype tab = option.text.indexOf('\t');
    item.caption = tab < 0 ? option.text : option.text.left(tab);
    item.shortcut = tab < 0 ? QString() : option.text.mid(tab + 1);
    item.separator = option.menuItemType == QStyleOptionMenuItem::Separator;
    item.selected = option.state & QStyle::State_Selected;
    item.enabled = option.state & QStyle::State_Enabled;
    item.isDefault = option.menuItemType == QStyleOptionMenuItem::DefaultItem;
    item.checked = option.checkType != QStyleOptionMenuItem::NotCheckable && option.checked;
    item.hasSubmenu = option.menuItemType == QStyleOptionMenuItem::SubMenu;
    if (!option.icon.isNull()) {
        item.image = option.icon.pixmap(16, 16).toImage();
    }
    item.rightToLeft = option.direction == Qt::RightToLeft;
    return item;
}

// The widest shortcut text of the menu's items, which QMenu adds to the width
// of every item: the text after a tab in the caption, or else the shortcut
// when the menu shows it.
int ShortcutWidthQMenuAdds(const QWidget* widget) {
    const auto* menu = qobject_cast<const QMenu*>(widget);
    if (menu == nullptr) {
        return 0;
    }
    const QFontMetrics metrics = menu->fontMetrics();
    int widest = 0;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible()) {
            continue;
        }
        const QString text = action->text();
        const qsizetype tab = text.indexOf('\t');
        const QString shortcut = tab >= 0 ? text.mid(tab + 1)
                                 : action->isShortcutVisibleInContextMenu()
                                     ? action->shortcut().toString(QKeySequence::NativeText)
                                     : QString();
        widest = std::max(widest, metrics.horizontalAdvance(shortcut));
    }
    return widest;
}

}  // namespace

TlumMenuStyle::TlumMenuStyle(TlumPopupMenu* owner)
    : QProxyStyle(QStyleFactory::create("Fusion")), owner_(owner) {}

void TlumMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (owner_ == nullptr) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    if (element == CE_MenuItem) {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item != nullptr) {
            DrawMenuItem(*painter, option->rect, owner_->Look(), ItemOf(*item));
            return;
        }
    }
    if (element == CE_MenuEmptyArea) {
        painter->fillRect(option->rect, owner_->Look().color);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void TlumMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (owner_ != nullptr && element == PE_PanelMenu) {
        painter->fillRect(option->rect, owner_->Look().color);
        return;
    }
    if (owner_ != nullptr && element == PE_FrameMenu) {
        const MenuLook look = owner_->Look();
        if (look.flatMenu) {
            DrawFlatMenuBorder(*painter, option->rect, look);
        } else {
            FrameRect(*painter, option->rect, kMenuFrame);
        }
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize TlumMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                      const QSize& size, const QWidget* widget) const {
    if (owner_ != nullptr && type == CT_MenuItem) {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item != nullptr) {
            // Each item is as wide as its own caption and shortcut need. QMenu
            // adds its widest shortcut to every item afterwards, so that
            // comes off here; an item stays at least a pixel wide, or QMenu
            // would drop it (the widest item is always wider than that).
            QSize measured = MeasureMenuItem(owner_->Look(), ItemOf(*item));
            measured.setWidth(std::max(1, measured.width() - ShortcutWidthQMenuAdds(widget)));
            return measured;
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int TlumMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                               const QWidget* widget) const {
    if (owner_ != nullptr) {
        switch (metric) {
            case PM_MenuPanelWidth:
                return owner_->FlatMenu() ? 3 : 1;
            case PM_MenuHMargin:
            case PM_MenuVMargin:
                return 0;
            case PM_SubMenuOverlap:
                return 2;
            default:
                break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int TlumMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
    if (hint == SH_Menu_AllowActiveAndDisabled) {
        return 0;  // a disabled item is never highlighted
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace kestrum
