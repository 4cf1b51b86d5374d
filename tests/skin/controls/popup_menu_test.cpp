// The skinned popup menu: measuring, drawing, and the skin reaching every
// submenu.
#include <gtest/gtest.h>

#include <QTest>

#include "skin/ui/menu_style.h"
#include "skin/ui/popup_menu.h"
#include "skin/ui/program_font.h"
#include "skin/ui/skin_bitmaps.h"
#include "widget_test_support.h"

namespace kestrum {
namespace {

QImage Opened(QMenu& menu, QAction* active = nullptr) {
    menu.popup(QPoint(300, 100));
    QTest::qWait(1);
    if (active != nullptr) {
        menu.setActiveAction(active);
    }
    return menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(PopupMenu, EverySubmenuAtAnyDepthTakesTheSkin) {
    TlumPopupMenu menu;
    for (int group = 0; group < 25; ++group) {
        QMenu* submenu = menu.addMenu(QString("Group %1").arg(group));
        for (int item = 0; item < 5; ++item) {
            submenu->addAction(QString("Profile %1").arg(item));
        }
    }
    QMenu loose("Later");
    loose.addMenu("Deeper")->addAction("Leaf");
    menu.addMenu(&loose);
    menu.addAction("-");
    int skinned = 0;
    for (QAction* action : menu.actions()) {
        if (action->menu() != nullptr) {
            EXPECT_EQ(action->menu()->style(), menu.style()) << action->text().toStdString();
            skinned += action->menu()->style() == menu.style();
        }
    }
    EXPECT_EQ(skinned, 26);
    EXPECT_EQ(loose.actions().front()->menu()->style(), menu.style());
    EXPECT_TRUE(menu.actions().back()->isSeparator()) << "a \"-\" caption is a separator";
}

TEST(PopupMenu, MeasuresItemsAndDrawsSeparatorsChecksAndHighlights) {
    TlumPopupMenu menu;
    menu.SetUIStyle(TlumUIStyle::DeepBlue);
    QAction* first = menu.addAction("Open the output folder");
    QAction* separator = menu.addSeparator();
    QAction* checked = menu.addAction("&Use another FFmpeg");
    checked->setCheckable(true);
    checked->setChecked(true);
    QAction* disabled = menu.addAction("Stop");
    disabled->setEnabled(false);

    const QImage image = Opened(menu);
    EXPECT_EQ(menu.actionGeometry(first).height(), 21);
    const QRect line = menu.actionGeometry(separator);
    EXPECT_EQ(line.height(), 5);
    const int left = line.left();
    EXPECT_EQ(image.pixel(left + 30, line.top() + 2), qRgb(0x84, 0x82, 0x84));
    EXPECT_NE(image.pixel(left + 29, line.top() + 2), qRgb(0x84, 0x82, 0x84));
    EXPECT_EQ(image.pixel(left + 10, line.top()), qRgb(0xD6, 0xD3, 0xCE)) << "the bar";

    // The shared check picture, 4 pixels in and 3 down, white left out.
    const QRect item = menu.actionGeometry(checked);
    const QImage& mark = MenuCheckedImage();
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (qAlpha(mark.pixel(x, y)) == 255) {
                EXPECT_EQ(image.pixel(item.left() + 4 + x, item.top() + 3 + y), mark.pixel(x, y));
            }
        }
    }

    const QImage highlighted = Opened(menu, first);
    const QRect top = menu.actionGeometry(first);
    EXPECT_EQ(highlighted.pixel(top.left(), top.top()), qRgb(0x44, 0x4A, 0xA0));
    EXPECT_EQ(highlighted.pixel(top.left() + 10, top.top() + 5), qRgb(0x44, 0x4A, 0xA0));
    const QImage hoveredDisabled = Opened(menu, disabled);
    const QRect off = menu.actionGeometry(disabled);
    EXPECT_EQ(hoveredDisabled.pixel(off.left() + 100, off.top() + 1), qRgb(255, 255, 255));
    menu.hide();
}

TEST(PopupMenu, MacOSFixesTheHeightsAndTheSystemFontIgnoresTheNamedOne) {
    TlumPopupMenu menu;
    menu.SetUIStyle(TlumUIStyle::MacOS);
    EXPECT_EQ(menu.MenuItemHeight(), 20);
    EXPECT_EQ(menu.SeparatorHeight(), 12);
    menu.SetMenuItemHeight(30);
    menu.SetSeparatorHeight(3);
    EXPECT_EQ(menu.MenuItemHeight(), 20);
    EXPECT_EQ(menu.SeparatorHeight(), 12);
    menu.SetUIStyle(TlumUIStyle::WinXP);
    menu.SetMenuItemHeight(30);
    EXPECT_EQ(menu.MenuItemHeight(), 30);

    const QFont system = menu.font();
    menu.SetFontName("DejaVu Serif");
    menu.SetFontSize(20);
    EXPECT_EQ(menu.font(), system);
    menu.SetUseSystemFont(false);
    EXPECT_EQ(menu.font().family(), "DejaVu Serif");
    EXPECT_EQ(menu.font().pixelSize(), 27);
    menu.SetFontName("MS Sans Serif");
    menu.SetFontSize(8);
    EXPECT_EQ(menu.font().family(), kProgramFontFamily);
    EXPECT_EQ(menu.font().pixelSize(), 11);
    EXPECT_TRUE(menu.OwnerDraw());
}

TEST(PopupMenu, CentredMenusOpenAroundThePoint) {
    TlumPopupMenu menu;
    menu.addAction("A fairly long profile caption");
    menu.SetAlignment(TPopupAlignment::paCenter);
    menu.Popup(QPoint(400, 100));
    EXPECT_EQ(menu.pos().x(), 400 - menu.sizeHint().width() / 2);
    menu.hide();
}

}  // namespace
}  // namespace kestrum
