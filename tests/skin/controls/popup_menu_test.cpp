// The skinned popup menu: measuring, drawing, and the skin reaching every
// submenu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <algorithm>

#include "skin/ui/menu_look.h"
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

TEST(PopupMenu, EachItemIsMeasuredWithItsOwnShortcut) {
    using Items = std::vector<std::pair<QString, QString>>;  // caption, shortcut
    const Items cases[] = {
        {{"Open", "Ctrl+Shift+F12"}, {"A caption much longer than the other one", ""}},
        {{"Popup Profile Menu", "Ctrl+P"}, {"Convert the selected files", ""}},
        {{"Short", ""}, {"Also short", "Ctrl+Q"}, {"Tiny", "Alt+F4"}},
    };
    for (const Items& items : cases) {
        TlumPopupMenu menu;
        menu.SetUIStyle(TlumUIStyle::DeepBlue);
        const QFontMetrics metrics(menu.font());
        int widest = 0;
        for (const auto& [caption, shortcut] : items) {
            QAction* action = menu.addAction(caption);
            action->setShortcut(QKeySequence(shortcut));
            const QString shown = action->shortcut().toString(QKeySequence::NativeText);
            widest = std::max(widest, metrics.horizontalAdvance(caption) +
                                          (shown.isEmpty() ? 0 : metrics.horizontalAdvance(shown)));
        }
        Opened(menu);
        for (QAction* action : menu.actions()) {
            EXPECT_EQ(menu.actionGeometry(action).width(), widest + 26 + 40)
                << action->text().toStdString();
        }
        menu.hide();
    }
}

// The first and last columns of each run of dark pixels (text), runs split
// by gaps of at least 12 columns.
std::vector<std::pair<int, int>> TextRuns(const QImage& image) {
    std::vector<std::pair<int, int>> runs;
    int gap = 0;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y) {
            ink = qGray(image.pixel(x, y)) < 128;
        }
        if (!ink) {
            ++gap;
            continue;
        }
        if (runs.empty() || gap >= 12) {
            runs.emplace_back(x, x);
        }
        runs.back().second = x;
        gap = 0;
    }
    return runs;
}

TEST(PopupMenu, CaptionsAndShortcutsGoWhereTheReadingDirectionPutsThem) {
    MenuLook look;
    look.metrics = {21, 5, 26};
    look.color = Qt::white;
    look.barColor = look.barToColor = QColor(0xD6, 0xD3, 0xCE);
    look.fontColor = Qt::black;
    look.font = QApplication::font();
    MenuItemState item;
    item.caption = "Home";
    item.shortcut = "Ctrl+H";
    const int shortcutWidth = QFontMetrics(look.font).horizontalAdvance(item.shortcut);
    const int captionWidth = QFontMetrics(look.font).horizontalAdvance(item.caption);
    // Ink lies inside the advance, at most a few pixels in from its ends.
    const auto near = [](int ink, int edge) { return ink - edge >= -3 && ink - edge <= 3; };
    for (const bool rightToLeft : {false, true}) {
        SCOPED_TRACE(rightToLeft ? "right to left" : "left to right");
        item.rightToLeft = rightToLeft;
        QImage image(300, 21, QImage::Format_RGB32);
        QPainter painter(&image);
        DrawMenuItem(painter, image.rect(), look, item);
        painter.end();
        const auto runs = TextRuns(image);
        ASSERT_EQ(runs.size(), 2u);
        const QRgb bar = look.barColor.rgb();
        if (!rightToLeft) {
            EXPECT_EQ(image.pixel(10, 0), bar);
            EXPECT_TRUE(near(runs[0].first, 26 + 4)) << runs[0].first;  // the caption
            EXPECT_TRUE(near(runs[1].first, 300 - shortcutWidth - 16)) << runs[1].first;
        } else {
            EXPECT_EQ(image.pixel(290, 0), bar);
            EXPECT_EQ(image.pixel(10, 0), qRgb(255, 255, 255));
            EXPECT_TRUE(near(runs[0].first, 26 + 4)) << runs[0].first;         // the shortcut
            EXPECT_TRUE(near(runs[1].second, 300 - 4 - 1)) << runs[1].second;  // the caption
            EXPECT_TRUE(near(runs[1].first, 300 - 4 - captionWidth)) << runs[1].first;
        }
    }
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
