// Convert... up to the progress window: the checks in their order and with
// their texts, the file chooser, and the folders the command remembers.
#include "app/ui/main_window.h"
#include "app/ui/qt_text.h"
#include "platform/file_system.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "skin/ui/flat_panel.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

using namespace test;

class ConvertCommandTest : public WindowsTest {
protected:
    ConvertCommandTest() { window.show(); }

    TfrmMain window;
};

struct Message {
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
    bool operator==(const Message&) const = default;
};

std::vector<Message> Shown(const FakeDialogs& dialogs) {
    std::vector<Message> shown;
    for (const auto& m : dialogs.messages) {
        shown.push_back({ToStdString(m.text), m.icon, m.buttons});
    }
    return shown;
}

constexpr const char* kQuestion =
    ", the output directory does not exist.\r\ncreates a new directory?";

TEST_F(ConvertCommandTest, ChecksRunInOrderBeforeTheChooser) {
    const std::string present = work_ / "present";
    platform::ForceDirectories(present);
    const struct {
        const char* name;
        bool sameAsInput;
        std::string folder;
        const char* profile;
        const char* otherEncoder;  // "": the bare name
        bool answer;
        std::vector<Message> shown;
        bool folderAfter;
        bool chooserOpened;
    } cases[] = {
        {"folder present", false, present, "WAV - Waveform Audio", "", true, {}, true, true},
        {"missing folder declined",
         false,
         work_ / "declined",
         "WAV - Waveform Audio",
         "",
         false,
         {{work_ / "declined" + kQuestion, MessageIcon::Information, MessageButtons::YesNo}},
         false,
         false},
        {"missing folder created, then no profile",
         false,
         work_ / "new/deep",
         "",
         "",
         true,
         {{work_ / "new/deep" + kQuestion, MessageIcon::Information, MessageButtons::YesNo},
          {"Please choose the output format!", MessageIcon::Information, MessageButtons::Ok}},
         true,
         false},
        {"empty folder text cannot be created",
         false,
         "",
         "WAV - Waveform Audio",
         "",
         true,
         {{kQuestion, MessageIcon::Information, MessageButtons::YesNo}},
         false,
         false},
        {"other encoder missing",
         false,
         present,
         "WAV - Waveform Audio",
         "/no/ffmpeg.exe",
         true,
         {{"/no/ffmpeg.exe. This FFmpeg.exe file does not exist.", MessageIcon::Information,
           MessageButtons::Ok}},
         true,
         false},
        {"beside the inputs: the folder is not looked at",
         true,
         "",
         "WAV - Waveform Audio",
         "",
         false,
         {},
         false,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs_.messages.clear();
        dialogs_.files.clear();
        dialogs_.answerYes = c.answer;
        window.OutputDirectory = "before";
        window.cbSameInput->SetChecked(c.sameAsInput);
        window.eOutputFolder->setText(ToQString(c.folder));
        window.fpType->SetCaption(c.profile);
        window.NotUseAnotherFFmpeg = c.otherEncoder[0] == '\0';
        window.AnotherFFmpeg = c.otherEncoder;
        window.bConvert->Click();

        EXPECT_EQ(Shown(dialogs_), c.shown);
        EXPECT_EQ(window.OutputDirectory, c.sameAsInput ? "before" : c.folder);
        EXPECT_EQ(!c.folder.empty() && platform::DirectoryExists(c.folder), c.folderAfter);
        EXPECT_EQ(dialogs_.files.size(), c.chooserOpened ? 1u : 0u);
    }
}

// The chooser starts in the folder of the last batch; the folder of the first
// chosen file is remembered, and for Show Files... too when the outputs go
// beside the inputs.
TEST_F(ConvertCommandTest, TheChooserAndTheFoldersOfTheLastBatch) {
    const std::string first = work_ / "first batch/";
    const std::string second = work_ / "second batch/";
    platform::ForceDirectories(first);
    platform::ForceDirectories(second);
    // Outputs that the user keeps: nothing runs.
    for (const std::string& file : {first + "a.avi", first + "a.wav", second + "b.avi",
                                    second + "b.wav", first + "c.avi", first + "c.wav"}) {
        WriteFile(file, "x");
    }
    window.fpType->SetCaption("WAV - Waveform Audio");
    window.eOutputFolder->setText(ToQString(second));
    dialogs_.answerYes = false;
    const struct {
        std::vector<std::string> chosen;
        bool sameAsInput;
        QString initialFolder;
        std::string lastFolder;
        std::string sameFolder;
        std::string finalMessage;
    } runs[] = {
        {{first + "a.avi", first + "c.avi"},
         true,
         "",
         first,
         first,
         "a.avi, c.avi, file conversion failed."},
        {{second + "b.avi"},
         false,
         ToQString(first),
         second,
         first,
         "b.avi, file conversion failed."},
    };
    for (const auto& run : runs) {
        dialogs_.messages.clear();
        dialogs_.files.clear();
        dialogs_.filesAnswer.clear();
        for (const std::string& file : run.chosen) {
            dialogs_.filesAnswer.append(ToQString(file));
        }
        window.cbSameInput->SetChecked(run.sameAsInput);
        window.bConvert->Click();

        ASSERT_EQ(dialogs_.files.size(), 1u);
        EXPECT_EQ(dialogs_.files[0].title, "Select one or more video files");
        EXPECT_TRUE(dialogs_.files[0].multiple);
        EXPECT_EQ(dialogs_.files[0].initialFolder, run.initialFolder);
        EXPECT_EQ(window.LastInputFolder, run.lastFolder);
        EXPECT_EQ(window.SameInputFolder, run.sameFolder);
        ASSERT_FALSE(dialogs_.messages.empty());
        EXPECT_EQ(Shown(dialogs_).back(),
                  (Message{run.finalMessage, MessageIcon::Information, MessageButtons::Ok}));
    }
}

}  // namespace
}  // namespace kestrum
