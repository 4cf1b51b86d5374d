// The main window: its first start, the settings it reads and writes, and
// the way it closes.
#include <sys/stat.h>

#include <QAction>
#include <QTest>

#include "app/core/string_table.h"
#include "app/ui/label.h"
#include "app/ui/main_window.h"
#include "app/ui/picture.h"
#include "app/ui/qt_text.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "skin/ui/flat_panel.h"
#include "skin/ui/popup_menu.h"
#include "skin/ui/url_label.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

using test::ReadFile;
using test::WindowsTest;

class MainWindowTest : public WindowsTest {};

std::string Options(const std::string& lines) {
    return "[Options]\n" + lines;
}

TEST_F(MainWindowTest, FirstStartShowsTheDefaultsAndCloseWritesAllFiveKeys) {
    TfrmMain window;
    window.show();
    EXPECT_EQ(window.windowTitle(), ToQString(texts::kAppTitle));
    EXPECT_EQ(window.size(), QSize(405, 284));
    EXPECT_EQ(window.fpType->Caption(), "");
    EXPECT_EQ(window.lExtName->Caption(), "(*)");
    EXPECT_FALSE(window.lExtName->isEnabled());
    EXPECT_FALSE(window.cbSameInput->Checked());
    EXPECT_TRUE(window.eOutputFolder->isEnabled());
    EXPECT_EQ(window.eOutputFolder->text(), ToQString(SettingsFolder()));
    EXPECT_TRUE(window.NotUseAnotherFFmpeg);
    EXPECT_EQ(window.AnotherFFmpeg, "");
    EXPECT_TRUE(window.ConvertProcess != nullptr);
    EXPECT_EQ(window.imgTitle->geometry(), QRect(0, 0, 405, 50));
    EXPECT_EQ(window.lUpdate->geometry().right() + 1, 405 - 10);
    EXPECT_EQ(window.iUpdate->x(), window.lUpdate->x() - 20);

    window.close();
    EXPECT_EQ(window.ConvertProcess, nullptr);
    EXPECT_EQ(
        ReadFile(SettingsFile()),
        "[Options]\r\nOutputDirectory=" + SettingsFolder() +
            "\r\nOutputFormat=\r\nSameInput=0\r\nAnotherFFmpeg=\r\nNotUseAnotherFFmpeg=1\r\n");
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(MainWindowTest, StoredSameInputReadsAsTheStoreReadsBooleans) {
    const struct {
        const char* stored;
        bool checked;
    } cases[] = {{"5", true}, {"0x1", true}, {"1", true}, {"yes", false}, {"0", false}};
    for (const auto& c : cases) {
        StoreSettings(
            Options("OutputDirectory=/stored/out\nSameInput=" + std::string(c.stored) + "\n"));
        TfrmMain window;
        window.show();
        EXPECT_EQ(window.cbSameInput->Checked(), c.checked) << c.stored;
        EXPECT_EQ(window.eOutputFolder->isEnabled(), !c.checked) << c.stored;
        EXPECT_EQ(window.eOutputFolder->text(), "/stored/out") << "still shows the stored folder";
    }
}

TEST_F(MainWindowTest, StoredCaptionsAreShownUncheckedAndWrittenBackUnchanged) {
    const struct {
        std::string stored;
        QString extensionLabel;
    } cases[] = {
        {"iPod 5G - High Quality (MPEG4, 30 fps, 320x240; AAC)", "(*.mp4)"},
        {"ffmpeg -i %1 -vn -acodec pcm_s16le %1.mov", "(*.mov)"},
        {"A profile of an older version", "(*)"},
    };
    for (const auto& c : cases) {
        StoreSettings(Options("OutputFormat=" + c.stored + "\n"));
        {
            TfrmMain window;
            EXPECT_EQ(window.fpType->Caption(), ToQString(c.stored));
            EXPECT_EQ(window.fpType->toolTip(), ToQString(c.stored));
            EXPECT_EQ(window.lExtName->Caption(), c.extensionLabel);
            window.close();
        }
        EXPECT_NE(ReadFile(SettingsFile()).find("\nOutputFormat=" + c.stored + "\n"),
                  std::string::npos);
    }
}

TEST_F(MainWindowTest, WritingKeepsOtherKeysAndSections) {
    StoreSettings("; kept\n[Other]\nKey=value\n[Options]\nExtra=1\nSameInput=0\n[Last]\nx=y\n");
    {
        TfrmMain window;
        window.cbSameInput->Click();
        window.close();
    }
    const std::string written = ReadFile(SettingsFile());
    EXPECT_EQ(written.substr(0, 40), "; kept\n[Other]\nKey=value\n[Options]\nExtra");
    EXPECT_NE(written.find("Extra=1\nSameInput=1\n"), std::string::npos) << written;
    EXPECT_NE(written.find("[Last]\nx=y\n"), std::string::npos) << written;
}

TEST_F(MainWindowTest, AReadOnlySettingsFileIsLeftAloneAndTheWindowStillCloses) {
    const std::string stored = Options("OutputFormat=MP3 - MPEG Layer-3 Audio\n");
    StoreSettings(stored);
    ::chmod(SettingsFile().c_str(), 0444);
    TfrmMain window;
    window.show();
    window.cbSameInput->Click();
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ReadFile(SettingsFile()), stored);
    EXPECT_TRUE(dialogs_.messages.empty()) << "the failure is not shown";
}

TEST_F(MainWindowTest, TheOutputFolderBoxIsStoredOnlyWhenItNamesAFolder) {
    StoreSettings(Options("OutputDirectory=" + work_.Path() + "\n"));
    const std::string other = home_.Path();
    const struct {
        std::string typed;
        std::string stored;
    } cases[] = {
        {work_.Path() + "typed but missing", work_.Path()},
        {other, other},
    };
    for (const auto& c : cases) {
        StoreSettings(Options("OutputDirectory=" + work_.Path() + "\n"));
        TfrmMain window;
        window.show();
        window.eOutputFolder->setText(ToQString(c.typed));
        window.close();
        EXPECT_NE(ReadFile(SettingsFile()).find("OutputDirectory=" + c.stored + "\n"),
                  std::string::npos)
            << c.typed;
    }
}

TEST_F(MainWindowTest, ExitClosesTheWindowAndWritesTheSettings) {
    TfrmMain window;
    window.show();
    window.NotUseAnotherFFmpeg = false;
    window.AnotherFFmpeg = "/opt/my ffmpeg/ffmpeg";
    QTest::mouseClick(window.bExit, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_NE(ReadFile(SettingsFile())
                  .find("AnotherFFmpeg=/opt/my ffmpeg/ffmpeg\r\n"
                        "NotUseAnotherFFmpeg=0\r\n"),
              std::string::npos);
}

TEST_F(MainWindowTest, AWakeUpShowsRestoresAndActivatesTheWindow) {
    TfrmMain window;
    window.show();
    window.showMinimized();
    QApplication::processEvents();
    window.hide();
    window.ActivateInstance();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
}

TEST_F(MainWindowTest, TheTabOrderRunsThroughTheSixControlsFromConvert) {
    TfrmMain window;
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
    QStringList order;
    QWidget* focused = QApplication::focusWidget();
    for (int i = 0; i < 7 && focused != nullptr; ++i) {
        order.append(focused->objectName());
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = QApplication::focusWidget();
    }
    EXPECT_EQ(order, (QStringList{"bConvert", "bShowFiles", "bExit", "eOutputFolder", "cbSameInput",
                                  "bBrowser", "bConvert"}));
}

}  // namespace
}  // namespace kestrum
