// Opened popup menus: one per style, one read right to left, and the main
// window's profile menu as the main window builds it.
#include <QApplication>

#include "app/ui/form_builder.h"
#include "app/ui/main_window_form.h"
#include "app/ui/qt_text.h"
#include "profiles/ui/profile_menu.h"
#include "skin/gallery/gallery_cases.h"
#include "skin/gallery/gallery_skin.h"
#include "skin/ui/popup_menu.h"

namespace kestrum::gallery {
namespace {

// The menu opened at the screen's corner, `selected` highlighted.
QImage Opened(QMenu& menu, QAction* selected) {
    menu.popup(QPoint(0, 0));
    QApplication::processEvents();
    if (selected != nullptr) {
        menu.setActiveAction(selected);
    }
    QApplication::processEvents();
    const QImage image = menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    menu.hide();
    return image;
}

Shot StyleMenu(TlumUIStyle style, Qt::LayoutDirection direction = Qt::LeftToRight) {
    TlumPopupMenu menu;
    menu.setLayoutDirection(direction);
    SetStyle(menu, style);
    menu.addAction("Open the output folder");
    QAction* selected = menu.addAction("Convert the selected files");
    menu.addAction("Stop the conversion")->setEnabled(false);
    QAction* checked = menu.addAction("&Use another FFmpeg");
    checked->setCheckable(true);
    checked->setChecked(true);
    QAction* home = menu.addAction("&Home Page");
    menu.setDefaultAction(home);
    menu.addAction("Popup Profile Menu")->setShortcut(QKeySequence("Ctrl+P"));
    menu.addSeparator();
    QMenu* more = menu.addMenu("Apple iPod");
    more->addAction("iPod Classic - High Quality");
    const QString name = QString("menu-%1%2")
                             .arg(ToQString(UIStyleName(style)),
                                  direction == Qt::RightToLeft ? "-right-to-left" : "");
    return {name, Opened(menu, selected)};
}

}  // namespace

std::vector<Section> RenderMenus() {
    Section styles{"Popup menus", {}};
    for (TlumUIStyle style : kAllUIStyles) {
        styles.shots.push_back(StyleMenu(style));
    }
    styles.shots.push_back(StyleMenu(TlumUIStyle::DeepBlue, Qt::RightToLeft));
    Section profiles{"The profile menu and its Apple iPod submenu", {}};
    TlumPopupMenu menu;
    ApplyProperties(menu, ProfileMenuLook());
    FillProfileMenu(menu);
    QAction* ipod = nullptr;
    for (QAction* action : menu.actions()) {
        if (action->text() == "Apple iPod") {
            ipod = action;
        }
    }
    profiles.shots.push_back({"menu-profiles", Opened(menu, ipod)});
    if (ipod != nullptr) {
        QMenu* submenu = ipod->menu();
        profiles.shots.push_back(
            {"menu-profiles-apple-ipod", Opened(*submenu, submenu->actions().value(0))});
    }
    return {styles, profiles};
}

}  // namespace kestrum::gallery
