// Settings texts and paths kept as bytes through the windows: values the
// user did not change go back to the settings file byte for byte, and paths
// in another encoding than the file system's (Latin-1 here) still convert.
#include <sys/stat.h>
#include <unistd.h>

#include <QTest>

#include "app/ui/main_window.h"
#include "app/ui/modal_result.h"
#include "app/ui/qt_text.h"
#include "app/ui/text_bytes.h"
#include "app/ui/use_another_ffmpeg.h"
#include "platform/program_search.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "skin/ui/flat_panel.h"
#include "support/media_clip.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

using namespace test;

class TextBytesTest : public WindowsTest {};

TEST_F(TextBytesTest, ChosenNamesAreFoundOnDiskWhenTheyDoNotDecode) {
    ::mkdir((work_ / "d\xe9").c_str(), 0755);
    WriteFile(work_ / "d\xe9/f\xe9.avi", "");
    WriteFile(work_ / "a\xe8", "");
    WriteFile(work_ / "a\xe9", "");
    const struct {
        std::string onDisk;  // what the chooser showed
        std::string bytes;   // what the program uses
    } cases[] = {
        {work_ / "d\xe9/f\xe9.avi", work_ / "d\xe9/f\xe9.avi"},
        {work_ / "d\xe9", work_ / "d\xe9"},
        {work_ / "d\xe9/", work_ / "d\xe9/"},
        {work_ / "plain/\xc3\xa9t\xc3\xa9.avi", work_ / "plain/\xc3\xa9t\xc3\xa9.avi"},
        // Two names read the same, or none: the text's own bytes.
        {work_ / "a\xe9", work_ / "a\xef\xbf\xbd"},
        {work_ / "gone\xe9", work_ / "gone\xef\xbf\xbd"},
    };
    for (const auto& c : cases) {
        const QString shown = ToQString(c.onDisk);
        EXPECT_EQ(ChosenPath(shown), c.bytes) << c.onDisk;
    }
}

TEST_F(TextBytesTest, ValuesTheUserDidNotChangeAreWrittenBackByteForByte) {
    const std::string folder = work_ / "Caf\xe9";
    ::mkdir(folder.c_str(), 0755);
    const std::string stored = "[Options]\r\nOutputDirectory=" + folder +
                               "\r\nOutputFormat=ffmpeg -i %1 -metadata title=Caf\xe9 %1.mp3"
                               "\r\nSameInput=0\r\nAnotherFFmpeg=/opt/\xe9/ffmpeg"
                               "\r\nNotUseAnotherFFmpeg=1\r\n";
    StoreSettings(stored);
    {
        TfrmMain window;
        window.show();
        EXPECT_EQ(window.eOutputFolder->text(), ToQString(folder));
        EXPECT_TRUE(window.fpType->Caption().contains(QChar::ReplacementCharacter));
        // The encoder dialog and the manual conversion dialog, both left with OK.
        WhenModalOpens([](QDialog& dialog) {
            QTest::mouseClick(dynamic_cast<TfrmUseFFmpeg&>(dialog).bOK, Qt::LeftButton);
        });
        window.UseanotherFFMpeg1Click();
        EXPECT_EQ(window.AnotherFFmpeg, "/opt/\xe9/ffmpeg");
        WhenModalOpens([](QDialog& dialog) {
            QTest::mouseClick(dialog.findChild<TlumButton*>("bOK"), Qt::LeftButton);
        });
        window.miManualConvertClick();
        window.close();
    }
    EXPECT_EQ(ReadFile(SettingsFile()), stored);

    // A changed text is the text's own bytes.
    {
        TfrmMain window;
        window.show();
        const std::string renamed = work_ / "caf\xc3\xa9";
        ::mkdir(renamed.c_str(), 0755);
        window.eOutputFolder->setText(ToQString(renamed));
        window.close();
        const std::string written = ReadFile(SettingsFile());
        EXPECT_NE(written.find("OutputDirectory=" + renamed + "\r\n"), std::string::npos)
            << written;
    }
}

TEST_F(TextBytesTest, LatinOneNamesConvertFromTheChooserIntoTheFolderWithTheEncoder) {
    const std::string output = work_ / "out \xe9/";
    const std::string encoderFolder = work_ / "enc \xe9";
    const std::string encoder = encoderFolder + "/ffmpeg";
    ::mkdir(output.c_str(), 0755);
    ::mkdir(encoderFolder.c_str(), 0755);
    ASSERT_EQ(::symlink(platform::FindProgram("ffmpeg").c_str(), encoder.c_str()), 0);
    const std::string input = work_ / "clip \xe9.avi";
    MakeClip(input, 1);
    StoreSettings("[Options]\r\nOutputDirectory=" + output +
                  "\r\nOutputFormat=WAV - Waveform Audio\r\nAnotherFFmpeg=" + encoder +
                  "\r\nNotUseAnotherFFmpeg=0\r\n");
    TfrmMain window;
    window.show();

    // The encoder dialog finds the file behind the path it shows.
    int result = -1;
    WhenModalOpens([&](QDialog& dialog) {
        auto& use = dynamic_cast<TfrmUseFFmpeg&>(dialog);
        EXPECT_FALSE(use.cbNotUseAnother->Checked());
        QTest::mouseClick(use.bOK, Qt::LeftButton);
        result = use.result();
    });
    window.UseanotherFFMpeg1Click();
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(dialogs_.messages.empty());

    dialogs_.filesAnswer = {ToQString(input)};
    window.bConvert->Click();
    EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.messages.front().text.toStdString();
    const std::string probed = ProbeFormat(output + "clip \xe9.wav");
    EXPECT_EQ(probed.substr(0, probed.find('\n')), "format_name=wav");
    EXPECT_EQ(window.LastInputFolder, work_.Path());

    // Browser... takes the folder's own bytes from what the chooser shows.
    dialogs_.folderAnswer = ToQString(encoderFolder);
    QTest::mouseClick(window.bBrowser, Qt::LeftButton);
    EXPECT_EQ(window.OutputDirectory, encoderFolder);
    EXPECT_EQ(TextBytes(*window.eOutputFolder), encoderFolder);
}

}  // namespace
}  // namespace kestrum
