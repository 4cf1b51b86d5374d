// Every window as its table lays it out, and no caption cut by the face that
// stands in for "MS Sans Serif".
#include <QGroupBox>

#include "app/ui/about_window.h"
#include "app/ui/label.h"
#include "app/ui/main_window.h"
#include "app/ui/use_another_ffmpeg.h"
#include "convert/ui/progress_window.h"
#include "profiles/ui/manual_convert_dialog.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "support/scripted_prompts.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

using test::WindowsTest;

class WindowLayoutTest : public WindowsTest {
protected:
    test::ScriptedPrompts prompts_;
};

struct Place {
    const char* name;
    QRect bounds;  // in client coordinates; an empty size: sized to its caption
};

void ExpectPlaces(QWidget& window, std::initializer_list<Place> places) {
    for (const Place& place : places) {
        const QWidget* control = window.findChild<QWidget*>(place.name);
        ASSERT_NE(control, nullptr) << place.name;
        EXPECT_EQ(control->mapTo(&window, QPoint(0, 0)), place.bounds.topLeft()) << place.name;
        if (!place.bounds.size().isEmpty()) {
            EXPECT_EQ(control->size(), place.bounds.size()) << place.name;
        }
    }
}

// Each control inside its parent, and each caption inside its control.
void ExpectNothingCut(QWidget& window) {
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const std::string name = control->objectName().toStdString();
        const QWidget* parent = control->parentWidget();
        if (name.empty() || control->isWindow() || parent == nullptr) {
            continue;
        }
        EXPECT_TRUE(parent->rect().contains(control->geometry())) << name << " sticks out";
        const QFontMetrics metrics(control->font());
        if (const auto* label = qobject_cast<const TLabel*>(control)) {
            EXPECT_LE(metrics.horizontalAdvance(label->Caption()), label->width()) << name;
        } else if (const auto* button = qobject_cast<const TlumButton*>(control)) {
            EXPECT_LE(metrics.horizontalAdvance(QString(button->Caption()).remove('&')),
                      button->width() - 8)
                << name;
        } else if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
            EXPECT_LE(metrics.horizontalAdvance(box->title()), box->width() - 8) << name;
        } else if (const auto* check = qobject_cast<const TlumCheckBox*>(control)) {
            EXPECT_LE(metrics.horizontalAdvance(check->Caption()), check->width()) << name;
        }
    }
}

TEST_F(WindowLayoutTest, TheMainWindow) {
    TfrmMain window;
    window.show();
    ExpectPlaces(window, {
                             {"Image1", {8, 8, 32, 32}},
                             {"lTitle", {49, 8, 0, 0}},
                             {"lTitleHint", {50, 27, 266, 0}},
                             {"lVideo", {8, 58, 0, 0}},
                             {"lUrl", {8, 76, 0, 0}},
                             {"Panel2", {8, 100, 390, 2}},
                             {"lConvertTo", {8, 108, 0, 0}},
                             {"lExtName", {45, 108, 0, 0}},
                             {"fpType", {6, 127, 371, 21}},
                             {"lumArrowButton3", {375, 127, 21, 21}},
                             {"lOutputFolder", {8, 160, 0, 0}},
                             {"eOutputFolder", {8, 179, 300, 20}},
                             {"bBrowser", {318, 177, 80, 23}},
                             {"cbSameInput", {8, 203, 0, 0}},
                             {"pLine", {8, 229, 390, 2}},
                             {"KadShiftImage1", {11, 239, 32, 32}},
                             {"lbEAddress", {45, 257, 0, 0}},
                             {"bConvert", {130, 247, 80, 23}},
                             {"bShowFiles", {224, 247, 80, 23}},
                             {"bExit", {318, 247, 80, 23}},
                         });
    ExpectNothingCut(window);
}

TEST_F(WindowLayoutTest, TheEncoderLocationDialog) {
    TfrmUseFFmpeg dialog(nullptr);
    dialog.show();
    ExpectPlaces(dialog, {
                             {"GroupBox1", {8, 8, 351, 81}},
                             {"Edit1", {16, 41, 300, 20}},
                             {"bBrowser", {321, 39, 30, 23}},
                             {"cbNotUseAnother", {8, 104, 0, 0}},
                             {"bDefault", {121, 102, 70, 27}},
                             {"bOK", {204, 102, 70, 27}},
                             {"bCancel", {287, 102, 70, 27}},
                         });
    ExpectNothingCut(dialog);
}

TEST_F(WindowLayoutTest, TheAboutWindow) {
    TfrmAbout about(nullptr);
    about.show();
    ExpectPlaces(about, {
                            {"Image2", {0, 0, 360, 50}},
                            {"Image1", {20, 61, 32, 32}},
                            {"Label1", {80, 62, 0, 0}},
                            {"Label2", {80, 84, 0, 0}},
                            {"lCopywrite", {80, 129, 0, 0}},
                            {"Label3", {80, 152, 0, 0}},
                            {"Panel2", {80, 176, 262, 2}},
                            {"lbEAddress", {80, 186, 0, 0}},
                            {"bOK", {260, 211, 79, 23}},
                        });
    ExpectNothingCut(about);
}

TEST_F(WindowLayoutTest, TheProgressWindow) {
    TfrmMain main;
    BatchChoices choices;
    choices.Profile = "WAV - Waveform Audio";
    TfrmConvert progress(&main, {"/clips/a.avi"}, *main.ConvertProcess, prompts_, choices,
                         main.ProbeAhead);
    EXPECT_EQ(progress.size(), QSize(345, 144));
    ExpectPlaces(progress, {
                               {"GroupBox2", {8, 8, 239, 125}},
                               {"lConvertName", {20, 28, 212, 13}},
                               {"lumProgressBar2", {20, 50, 212, 18}},
                               {"Label5", {20, 80, 0, 0}},
                               {"Label6", {20, 104, 0, 0}},
                               {"lTimeElapsed", {128, 80, 0, 0}},
                               {"lTimeEstimated", {128, 104, 0, 0}},
                               {"Image2", {280, 32, 32, 32}},
                               {"bStop", {257, 104, 80, 27}},
                           });
    ExpectNothingCut(progress);
    // A name longer than the label is cut there; its hint holds it whole.
    const QString longName = QString(60, 'n') + ".wav";
    progress.JobStarted({1, 1, "a.avi", longName.toStdString()});
    EXPECT_EQ(progress.lConvertName->width(), 212);
    EXPECT_EQ(progress.lConvertName->toolTip(), longName);
}

TEST_F(WindowLayoutTest, TheManualConversionDialogInItsOrder) {
    TfrmManualConvert dialog(nullptr, "");
    dialog.show();
    ExpectNothingCut(dialog);
    const auto at = [&](const char* name) {
        const QWidget* control = dialog.findChild<QWidget*>(name);
        return QRect(control->mapTo(&dialog, QPoint(0, 0)), control->size());
    };
    // The instruction on top; the command line's frame left of (and wider
    // than) the extension's; the lower frame below both with the heading,
    // the preview and the help lines; OK above Cancel, right of the lower frame.
    EXPECT_LT(at("Label1").bottom(), at("GroupBox1").top());
    EXPECT_LT(at("GroupBox1").right(), at("GroupBox2").left());
    EXPECT_GT(at("GroupBox1").width(), at("GroupBox2").width());
    EXPECT_LT(at("GroupBox1").bottom(), at("GroupBox3").top());
    EXPECT_LT(at("Label2").bottom(), at("Edit1").top());
    EXPECT_LT(at("Edit1").bottom(), at("Label3").top());
    EXPECT_LT(at("Label9").bottom(), at("Label10").top());
    EXPECT_LT(at("GroupBox3").right(), at("bOK").left());
    EXPECT_LT(at("bOK").bottom(), at("bCancel").top());
}

}  // namespace
}  // namespace kestrum
