#include "skin/ui/popup_menu.h"

#include <QActionEvent>
#include <QApplication>

#include "skin/ui/menu_style.h"
#include "skin/ui/program_font.h"
#include "skin/ui/skin_colour.h"

namespace kestrum {

TlumPopupMenu::TlumPopupMenu(QWidget* parent)
    : QMenu(parent), style_(GetDefaultStyle()), menuStyle_(new TlumMenuStyle(this)) {
    menuStyle_->setParent(this);
    setStyle(menuStyle_);
    ApplyStyle();
    ApplyFont();
}

TlumPopupMenu::~TlumPopupMenu() {
    // Submenus that outlive this menu go back to the application's style.
    for (const QPointer<QMenu>& menu : submenus_) {
        if (menu != nullptr) {
            menu->removeEventFilter(this);
            menu->setStyle(nullptr);
        }
    }
    setStyle(nullptr);
}

void TlumPopupMenu::SetUIStyle(TlumUIStyle style) {
    style_ = style;
    ApplyStyle();
}

void TlumPopupMenu::SetFileTheme(TlumThemeSource* theme) {
    theme_.Follow(
        this, theme, [this] { ApplyStyle(); }, [this] { SetUIStyle(TlumUIStyle::DeepBlue); });
    ApplyStyle();
}

void TlumPopupMenu::ApplyStyle() {
    const ResolvedStyle resolved = theme_.Resolve(style_);
    if (resolved.useFileTheme) {
        const TlumThemeSource& theme = *theme_.Source();
        barColor_ = static_cast<TColor>(theme.Colour(9));
        barToColor_ = static_cast<TColor>(theme.Colour(10));
        color_ = static_cast<TColor>(theme.Colour(11));
        fontColor_ = static_cast<TColor>(theme.Colour(12));
        selectedColor_ = static_cast<TColor>(theme.Colour(13));
        selectedBorderColor_ = static_cast<TColor>(theme.Colour(14));
        selectedFontColor_ = static_cast<TColor>(theme.Colour(15));
    } else {
        const TlumUIStyle s = resolved.builtIn;
        const bool macOS = s == TlumUIStyle::MacOS;
        metrics_ = {macOS ? 20 : 21, macOS ? 12 : 5, 26};
        barColor_ = barToColor_ = GetThemeColor(s, 23);
        color_ = GetThemeColor(s, 21);
        separatorColor_ = macOS ? 0x000000 : 0x848284;
        selectedBorderColor_ = GetThemeColor(s, 18);
        selectedColor_ = GetThemeColor(s, 19);
        selectedFontColor_ = GetThemeColor(s, 20);
        fontColor_ = GetThemeColor(s, 22);
    }
    Refresh();
}

void TlumPopupMenu::SetColour(TColor& field, TColor color) {
    if (std::exchange(field, color) != color) {
        Refresh();
    }
}

void TlumPopupMenu::SetMenuItemHeight(int height) {
    if (style_ != TlumUIStyle::MacOS && std::exchange(metrics_.menuItemHeight, height) != height) {
        Refresh();
    }
}

void TlumPopupMenu::SetSeparatorHeight(int height) {
    if (style_ != TlumUIStyle::MacOS && std::exchange(metrics_.separatorHeight, height) != height) {
        Refresh();
    }
}

void TlumPopupMenu::SetBarWidth(int width) {
    if (std::exchange(metrics_.barWidth, width) != width) {
        Refresh();
    }
}

void TlumPopupMenu::SetFlatMenu(bool flat) {
    if (std::exchange(flatMenu_, flat) != flat) {
        Refresh();
    }
}

void TlumPopupMenu::SetFontName(const QString& name) {
    fontName_ = name;
    ApplyFont();
}

void TlumPopupMenu::SetFontSize(int points) {
    fontSize_ = points;
    ApplyFont();
}

void TlumPopupMenu::SetUseSystemFont(bool use) {
    useSystemFont_ = use;
    ApplyFont();
}

MenuLook TlumPopupMenu::Look() const {
    MenuLook look;
    look.metrics = metrics_;
    look.macOS = !theme_.Resolve(style_).useFileTheme && style_ == TlumUIStyle::MacOS;
    look.barColor = ToQColor(barColor_);
    look.barToColor = ToQColor(barToColor_);
    look.color = ToQColor(color_);
    look.separatorColor = ToQColor(separatorColor_);
    look.selectedBorderColor = ToQColor(selectedBorderColor_);
    look.selectedColor = ToQColor(selectedColor_);
    look.selectedFontColor = ToQColor(selectedFontColor_);
    look.fontColor = ToQColor(fontColor_);
    look.font = font();
    look.flatMenu = flatMenu_;
    const ResolvedStyle resolved = theme_.Resolve(style_);
    look.flatBorderColor =
        ToQColor(resolved.useFileTheme ? static_cast<TColor>(theme_.Source()->Colour(2))
                                       : GetThemeColor(resolved.builtIn, 15));
    return look;
}

void TlumPopupMenu::Popup(const QPoint& screenPoint) {
    QPoint at = screenPoint;
    const int width = sizeHint().width();
    if (alignment_ == TPopupAlignment::paCenter) {
        at.rx() -= width / 2;
    } else if (alignment_ == TPopupAlignment::paRight) {
        at.rx() -= width;
    }
    popup(at);
}

void TlumPopupMenu::ApplyFont() {
    // The system font is the toolkit's menu font; otherwise the named face,
    // "MS Sans Serif" standing for the program font.
    QFont chosen = QApplication::font("QMenu");
    if (!useSystemFont_) {
        chosen = QFont(ResolveFontFamily(fontName_));
        chosen.setPixelSize(PointsToPixels(fontSize_));
    }
    setFont(chosen);
    for (const QPointer<QMenu>& menu : submenus_) {
        if (menu != nullptr) {
            menu->setFont(chosen);
        }
    }
    Refresh();
}

void TlumPopupMenu::Refresh() {
    // A style change makes each menu measure its items again.
    QList<QMenu*> menus{this};
    for (const QPointer<QMenu>& menu : submenus_) {
        if (menu != nullptr) {
            menus.append(menu);
        }
    }
    for (QMenu* menu : menus) {
        QEvent changed(QEvent::StyleChange);
        QApplication::sendEvent(menu, &changed);
        menu->update();
    }
}

void TlumPopupMenu::TakeAction(QAction* action) {
    action->setShortcutVisibleInContextMenu(true);
    if (action->text() == "-") {
        action->setSeparator(true);
    }
    if (QMenu* submenu = action->menu(); submenu != nullptr) {
        Skin(submenu);
    }
}

void TlumPopupMenu::Skin(QMenu* menu) {
    if (menu == this || submenus_.contains(menu)) {
        return;
    }
    submenus_.append(menu);
    menu->setStyle(menuStyle_);
    menu->setFont(font());
    menu->installEventFilter(this);
    for (QAction* action : menu->actions()) {
        TakeAction(action);
    }
}

void TlumPopupMenu::actionEvent(QActionEvent* event) {
    if (event->type() == QEvent::ActionAdded) {
        TakeAction(event->action());
    }
    QMenu::actionEvent(event);
}

bool TlumPopupMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ActionAdded) {
        TakeAction(static_cast<QActionEvent*>(event)->action());
    }
    return QMenu::eventFilter(watched, event);
}

}  // namespace kestrum
