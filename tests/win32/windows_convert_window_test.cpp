// Convert... on Windows with a Windows build of ffmpeg: two clips, the
// progress window counting (1/2) and (2/2), and the settings written when the
// main window closes. gui_under_wine_test.sh makes the clips and the output
// folder, names them and the encoder in KESTRUM_CLIPS and KESTRUM_ENCODER, and
// probes the outputs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <cstdlib>
#include <vector>

#include "app/core/string_table.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_text.h"
#include "convert/ui/progress_window.h"
#include "skin/ui/button.h"
#include "skin/ui/edit.h"
#include "skin/ui/flat_panel.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

using namespace test;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The progress window's captions in the order they were shown, seen before
// every event the program handles.
class ProgressTitles : public QObject {
public:
    ProgressTitles() { qApp->installEventFilter(this); }
    ~ProgressTitles() override { qApp->removeEventFilter(this); }

    std::vector<QString> titles;

protected:
    bool eventFilter(QObject*, QEvent*) override {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows) {
            auto* progress = qobject_cast<TfrmConvert*>(window);
            if (progress != nullptr && progress->isVisible() &&
                (titles.empty() || titles.back() != progress->windowTitle())) {
                titles.push_back(progress->windowTitle());
            }
        }
        return false;
    }
};

class WindowsConvertTest : public WindowsTest {};

TEST_F(WindowsConvertTest, ConvertsTwoClipsAndWritesTheSettingsAtExit) {
    const std::string clips = Environment("KESTRUM_CLIPS");      // ends with a backslash
    const std::string encoder = Environment("KESTRUM_ENCODER");  // ffmpeg.exe
    ASSERT_FALSE(clips.empty());
    ASSERT_FALSE(encoder.empty());
    const std::string output = clips + "out\\";
    StoreSettings("[Options]\r\nAnotherFFmpeg=" + encoder + "\r\nNotUseAnotherFFmpeg=0\r\n");
    const QString title = ToQString(texts::kAppTitle);
    {
        TfrmMain window;
        window.show();
        window.fpType->SetCaption("WAV - Waveform Audio");
        window.eOutputFolder->setText(ToQString(output));
        dialogs_.filesAnswer = {ToQString(clips + "one.avi"), ToQString(clips + "two.avi")};
        ProgressTitles shown;
        window.bConvert->Click();

        EXPECT_EQ(shown.titles, (std::vector<QString>{title, title + " (1/2)", title + " (2/2)"}));
        EXPECT_TRUE(dialogs_.messages.empty()) << "no failed files";
        EXPECT_EQ(window.findChild<TfrmConvert*>(), nullptr) << "closed after the last file";
        window.close();
    }
    const std::string settings = ReadFile(SettingsFile());
    EXPECT_NE(settings.find("OutputDirectory=" + output + "\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("OutputFormat=WAV - Waveform Audio\r\n"), std::string::npos)
        << settings;
    EXPECT_NE(settings.find("AnotherFFmpeg=" + encoder + "\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("NotUseAnotherFFmpeg=0\r\n"), std::string::npos) << settings;
}

}  // namespace
}  // namespace kestrum
