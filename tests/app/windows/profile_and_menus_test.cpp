// The profile menu and the Advanced menu: what they hold, where they open,
// and what choosing from them does.
#include <QAction>
#include <QCursor>
#include <QLineEdit>
#include <QTest>

#include "app/core/string_table.h"
#include "app/ui/label.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_text.h"
#include "app/ui/use_another_ffmpeg.h"
#include "profiles/core/profile_catalogue.h"
#include "profiles/ui/manual_convert_dialog.h"
#include "skin/ui/arrow_button.h"
#include "skin/ui/button.h"
#include "skin/ui/edit.h"
#include "skin/ui/flat_panel.h"
#include "skin/ui/popup_menu.h"
#include "skin/ui/shift_image.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

using test::WhenModalOpens;
using test::WindowsTest;

class ProfileAndMenusTest : public WindowsTest {
protected:
    // The window shown and active, away from the screen's corner.
    void Show(TfrmMain& window) {
        window.move(100, 200);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

QAction* Entry(TlumPopupMenu& menu, const QString& caption) {
    for (QAction* group : menu.actions()) {
        if (group->menu() != nullptr) {
            for (QAction* entry : group->menu()->actions()) {
                if (entry->text() == caption) {
                    return entry;
                }
            }
        }
    }
    return nullptr;
}

TEST_F(ProfileAndMenusTest, TheProfileMenuHoldsTheCatalogueThenManualConversion) {
    TfrmMain window;
    const QList<QAction*> top = window.pmType->actions();
    const auto groups = AllProfileGroups();
    ASSERT_EQ(top.size(), static_cast<qsizetype>(groups.size()) + 2);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const QAction* group = top[static_cast<qsizetype>(g)];
        EXPECT_EQ(group->text(), ToQString(groups[g].caption));
        ASSERT_NE(group->menu(), nullptr);
        const auto profiles = ProfilesOfGroup(groups[g]);
        const QList<QAction*> entries = group->menu()->actions();
        ASSERT_EQ(entries.size(), static_cast<qsizetype>(profiles.size()));
        for (std::size_t p = 0; p < profiles.size(); ++p) {
            EXPECT_EQ(entries[static_cast<qsizetype>(p)]->text(), ToQString(profiles[p].caption));
        }
    }
    EXPECT_TRUE(top[top.size() - 2]->isSeparator());
    EXPECT_EQ(top.back(), window.miManualConvert);
    EXPECT_EQ(window.miManualConvert->text(), "Manual conversion");
    EXPECT_EQ(window.miManualConvert->toolTip(), "Asks for the insertion of parameters");
    EXPECT_EQ(window.pmType->UIStyle(), TlumUIStyle::DeepBlue);
    EXPECT_EQ(window.pmType->Alignment(), TPopupAlignment::paCenter);
    EXPECT_EQ(window.pmType->BarColor(), 0xCED3D6u);
    EXPECT_EQ(window.pmType->SelectedColor(), 0xA04A44u);
}

TEST_F(ProfileAndMenusTest, TheAdvancedMenuAndItsCheckMarkFollowTheOtherEncoderSetting) {
    TfrmMain window;
    Show(window);
    QStringList captions;
    for (const QAction* action : window.lumPopupMenu1->actions()) {
        captions.append(action->isSeparator() ? "-" : action->text());
    }
    EXPECT_EQ(captions, (QStringList{"&Home Page", "-", "&Use another FFmpeg", "-", "&Donate", "-",
                                     "&About..."}));
    EXPECT_EQ(window.lumPopupMenu1->Alignment(), TPopupAlignment::paLeft);
    for (const bool notUse : {true, false, true}) {
        window.NotUseAnotherFFmpeg = notUse;
        window.UseanotherFFMpeg1->setChecked(notUse);  // stale on purpose
        window.iAboutClick();
        EXPECT_EQ(window.UseanotherFFMpeg1->isChecked(), !notUse) << "set afresh on opening";
        window.lumPopupMenu1->hide();
    }
}

TEST_F(ProfileAndMenusTest, ChoosingUseAnotherFFmpegNeverFlipsItsMarkByItself) {
    TfrmMain window;
    Show(window);
    for (const bool notUse : {true, false}) {
        window.NotUseAnotherFFmpeg = notUse;
        window.iAboutClick();
        bool markInDialog = notUse;
        WhenModalOpens([&](QDialog& dialog) {
            markInDialog = window.UseanotherFFMpeg1->isChecked();
            QTest::mouseClick(dynamic_cast<TfrmUseFFmpeg&>(dialog).bCancel, Qt::LeftButton);
        });
        // Chosen from the open menu, as a user chooses it.
        QMenu& menu = *window.lumPopupMenu1;
        QTest::mouseClick(&menu, Qt::LeftButton, {},
                          menu.actionGeometry(window.UseanotherFFMpeg1).center());
        EXPECT_EQ(markInDialog, !notUse);
        EXPECT_EQ(window.UseanotherFFMpeg1->isChecked(), !notUse) << "after Cancel";
        EXPECT_EQ(window.NotUseAnotherFFmpeg, notUse);
    }
}

TEST_F(ProfileAndMenusTest, TheAdvancedMenuOpensAtThePointerHoweverItIsAsked) {
    TfrmMain window;
    Show(window);
    const QPoint pointer(250, 150);
    QCursor::setPos(pointer);
    const std::function<void()> ways[] = {
        [&] { QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier); },
        [&] {
            window.eOutputFolder->setFocus();
            QTest::keyClick(window.eOutputFolder, Qt::Key_A, Qt::ControlModifier);
            EXPECT_FALSE(window.eOutputFolder->hasSelectedText()) << "the action took the key";
        },
        [&] { QTest::mouseClick(window.lbEAddress, Qt::LeftButton); },
        [&] { QTest::mouseClick(window.KadShiftImage1, Qt::LeftButton); },
    };
    for (const auto& open : ways) {
        QCursor::setPos(pointer);
        open();
        EXPECT_TRUE(window.lumPopupMenu1->isVisible());
        EXPECT_EQ(window.lumPopupMenu1->pos(), pointer);
        window.lumPopupMenu1->hide();
    }
}

TEST_F(ProfileAndMenusTest, TheProfileMenuOpensAtTheSamePointFromTheBoxTheArrowAndCtrlP) {
    TfrmMain window;
    Show(window);
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(window.ProfileMenuPoint(), QPoint(origin.x() + 6 + 371 / 5, origin.y() / 2));

    std::vector<QPoint> opened;
    const std::function<void()> ways[] = {
        [&] { QTest::mouseClick(window.fpType, Qt::LeftButton); },
        [&] { QTest::mouseClick(window.lumArrowButton3, Qt::LeftButton); },
        [&] { QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier); },
    };
    for (const auto& open : ways) {
        open();
        EXPECT_TRUE(window.pmType->isVisible());
        opened.push_back(window.pmType->pos());
        window.pmType->hide();
    }
    EXPECT_EQ(opened[0], opened[1]);
    EXPECT_EQ(opened[0], opened[2]);
}

TEST_F(ProfileAndMenusTest, ChoosingAProfileSetsTheBoxItsHintAndTheExtension) {
    TfrmMain window;
    Show(window);
    const struct {
        QString entry;
        QString caption;
        QString extension;
    } cases[] = {
        {"iPod 5G - High Quality (MPEG4, 30 fps, 320x240; AAC)",
         "iPod 5G - High Quality (MPEG4, 30 fps, 320x240; AAC)", "(*.mp4)"},
        {"NTSC DVD Fullscreen", "NTSC DVD Fullscreen", "(*.mpg)"},
        {"&NTSC DVD Fullscreen", "NTSC DVD Fullscreen", "(*.mpg)"},
        {"NTSC && DVD", "NTSC & DVD", "(*)"},
        {"A&B&C", "AB&C", "(*)"},
    };
    for (const auto& c : cases) {
        QAction entry(c.entry);
        window.TypeMenuClick(&entry);
        EXPECT_EQ(window.fpType->Caption(), c.caption);
        EXPECT_EQ(window.fpType->toolTip(), c.caption);
        EXPECT_EQ(window.lExtName->Caption(), c.extension);
    }

    // From the menu itself: every profile entry, and only those, chooses.
    QAction* ntscCd = Entry(*window.pmType, "NTSC VCD (HQ)");
    ASSERT_NE(ntscCd, nullptr);
    ntscCd->trigger();
    EXPECT_EQ(window.fpType->Caption(), "NTSC VCD (HQ)");
    EXPECT_EQ(window.lExtName->Caption(), "(*.mpg)");
    window.pmType->actions().constFirst()->trigger();
    EXPECT_EQ(window.fpType->Caption(), "NTSC VCD (HQ)") << "a group entry changes nothing";
}

TEST_F(ProfileAndMenusTest, ShowingTheWindowAgainAttachesTheProfileHandlerOnce) {
    TfrmMain window;
    Show(window);
    window.hide();
    Show(window);
    for (QAction* group : window.pmType->actions()) {
        if (QMenu* submenu = group->menu(); submenu != nullptr) {
            EXPECT_TRUE(
                QObject::disconnect(submenu, &QMenu::triggered, &window, &TfrmMain::TypeMenuClick));
            EXPECT_FALSE(
                QObject::disconnect(submenu, &QMenu::triggered, &window, &TfrmMain::TypeMenuClick))
                << "attached once only";
        }
    }
    EXPECT_FALSE(
        QObject::disconnect(window.pmType, &QMenu::triggered, &window, &TfrmMain::TypeMenuClick))
        << "the top level keeps what it has";
}

TEST_F(ProfileAndMenusTest, AConfirmedManualCommandGoesIntoTheBoxButNotTheExtensionLabel) {
    StoreSettings("[Options]\nOutputFormat=NTSC DVD Fullscreen\n");
    TfrmMain window;
    Show(window);
    ASSERT_EQ(window.lExtName->Caption(), "(*.mpg)");
    const QString command = "ffmpeg -i %1 -s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 %1.mov";

    WhenModalOpens([](QDialog& dialog) { dialog.reject(); });
    window.miManualConvertClick();
    EXPECT_EQ(window.fpType->Caption(), "NTSC DVD Fullscreen") << "cancelled";

    WhenModalOpens([](QDialog& dialog) {
        auto& manual = dynamic_cast<TfrmManualConvert&>(dialog);
        EXPECT_EQ(manual.eCommandLine->text(), "-s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1");
        EXPECT_EQ(manual.eOutputFile->text(), "mov");
        QTest::mouseClick(manual.bOK, Qt::LeftButton);
    });
    window.miManualConvertClick();
    EXPECT_EQ(window.fpType->Caption(), command);
    EXPECT_EQ(window.fpType->toolTip(), command);
    EXPECT_EQ(window.lExtName->Caption(), "(*.mpg)") << "kept until the next menu choice";

    // Opened again, it shows the stored command; OK without edits keeps it.
    WhenModalOpens([](QDialog& dialog) {
        auto& manual = dynamic_cast<TfrmManualConvert&>(dialog);
        manual.eCommandLine->setText("-vn");
        manual.eOutputFile->setText("wav");
        QTest::mouseClick(manual.bCancel, Qt::LeftButton);
    });
    window.miManualConvertClick();
    EXPECT_EQ(window.fpType->Caption(), command) << "Cancel after edits";
}

}  // namespace
}  // namespace kestrum
