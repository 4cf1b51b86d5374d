// The keys of the program's windows: no button is a window's Default or
// Cancel, so Escape leaves a dialog open; only a focused skinned button
// takes accelerators without Alt.
#include <QApplication>
#include <QTest>

#include "app/ui/about_window.h"
#include "app/ui/main_window.h"
#include "app/ui/modal_result.h"
#include "app/ui/qt_text.h"
#include "app/ui/use_another_ffmpeg.h"
#include "platform/file_system.h"
#include "profiles/ui/manual_convert_dialog.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

using test::WhenModalOpens;
using test::WindowsTest;

class DialogKeysTest : public WindowsTest {};

TEST_F(DialogKeysTest, NoButtonOfAnyWindowIsDefaultOrCancel) {
    TfrmMain main;
    TfrmAbout about(&main);
    TfrmUseFFmpeg use(&main);
    TfrmManualConvert manual(&main, "");
    for (const QWidget* window :
         std::initializer_list<const QWidget*>{&main, &about, &use, &manual}) {
        const QList<TlumButton*> buttons = window->findChildren<TlumButton*>();
        EXPECT_FALSE(buttons.isEmpty());
        for (const TlumButton* button : buttons) {
            EXPECT_FALSE(button->Default()) << button->objectName().toStdString();
            EXPECT_FALSE(button->Cancel()) << button->objectName().toStdString();
        }
    }
}

TEST_F(DialogKeysTest, EscapeLeavesTheDialogsOpen) {
    TfrmMain main;
    main.show();
    TfrmAbout about(&main);
    TfrmUseFFmpeg use(&main);
    use.Edit1->setText("/some/ffmpeg");  // takes the focus when shown
    TfrmManualConvert manual(&main, "");
    for (QDialog* dialog : std::initializer_list<QDialog*>{&about, &use, &manual}) {
        bool open = false;
        WhenModalOpens([&](QDialog& shown) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&shown));
            QWidget* focused = QApplication::focusWidget();
            QTest::keyClick(focused != nullptr ? focused : &shown, Qt::Key_Escape);
            open = shown.isVisible();
            shown.close();
        });
        dialog->exec();
        EXPECT_TRUE(open) << dialog->objectName().toStdString();
    }
}

TEST_F(DialogKeysTest, AFocusedCheckBoxTakesNoAcceleratorsWithoutAlt) {
    TfrmUseFFmpeg dialog(nullptr);
    const QString defaultPath = ToQString(platform::ExecutableFolder() + test::kEncoderFile);
    WhenModalOpens([&](QDialog&) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.cbNotUseAnother->setFocus();
        for (const Qt::Key key : {Qt::Key_O, Qt::Key_C, Qt::Key_D}) {
            QTest::keyClick(dialog.cbNotUseAnother, key);
        }
        EXPECT_TRUE(dialog.isVisible()) << "neither OK nor Cancel clicked";
        EXPECT_EQ(dialog.Edit1->text(), "") << "Default not clicked";
        EXPECT_TRUE(dialog.cbNotUseAnother->Checked());

        QTest::keyClick(dialog.cbNotUseAnother, Qt::Key_D, Qt::AltModifier);
        EXPECT_EQ(dialog.Edit1->text(), defaultPath) << "with Alt it is an accelerator";

        dialog.bDefault->setFocus();
        QTest::keyClick(dialog.bDefault, Qt::Key_C);  // a focused button takes it
        if (dialog.isVisible()) {
            dialog.done(mrNone);  // failed above: end the test, not the wait
        }
    });
    dialog.cbNotUseAnother->SetChecked(true);
    EXPECT_EQ(dialog.exec(), mrCancel);
}

}  // namespace
}  // namespace kestrum
