#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/core/settings_store.h"
#include "app/ui/dialog_service.h"
#include "app/ui/shell_service.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

// Texts in failure messages as text, not as a list of characters.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace kestrum::test {

// The encoder's file name as the Use another FFmpeg dialog shows it.
#ifdef _WIN32
inline constexpr char kEncoderFile[] = "ffmpeg.exe";
#else
inline constexpr char kEncoderFile[] = "ffmpeg";
#endif

// Every message box and chooser, recorded and answered from the test.
class FakeDialogs : public DialogService {
public:
    struct MessageRecord {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };
    struct FolderRecord {
        QString caption;
        QString initialFolder;
    };

    FakeDialogs() : previous_(ReplaceDialogs(this)) {}
    ~FakeDialogs() override { ReplaceDialogs(previous_); }

    MessageAnswer Message(QWidget*, const QString& text, MessageIcon icon,
                          MessageButtons buttons) override {
        messages.push_back({text, icon, buttons});
        if (buttons != MessageButtons::YesNo) {
            return MessageAnswer::Ok;
        }
        bool yes = answerYes;
        if (!yesNoAnswers.empty()) {
            yes = yesNoAnswers.front();
            yesNoAnswers.pop_front();
        }
        return yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    std::optional<QString> ChooseFolder(QWidget*, const QString& caption,
                                        const QString& initialFolder) override {
        folders.push_back({caption, initialFolder});
        return folderAnswer;
    }
    QStringList ChooseFiles(QWidget*, const FileChooserRequest& request) override {
        files.push_back(request);
        return filesAnswer;
    }

    std::vector<MessageRecord> messages;
    std::vector<FolderRecord> folders;
    std::vector<FileChooserRequest> files;
    bool answerYes = true;
    std::deque<bool> yesNoAnswers;  // for the next questions, in turn; then answerYes
    std::optional<QString> folderAnswer;
    QStringList filesAnswer;

private:
    DialogService* previous_;
};

class FakeShell : public ShellService {
public:
    FakeShell() : previous_(ReplaceShell(this)) {}
    ~FakeShell() override { ReplaceShell(previous_); }
    void Open(const QString& target) override { opened.append(target); }
    QStringList opened;

private:
    ShellService* previous_;
};

#ifdef _WIN32
// Windows keeps settings in the user's application-data folder, which a test
// cannot move: the settings file there is put aside for one test, and back
// afterwards in place of the one the test wrote.
class SettingsPutAside {
public:
    SettingsPutAside();
    ~SettingsPutAside();
    SettingsPutAside(const SettingsPutAside&) = delete;
    SettingsPutAside& operator=(const SettingsPutAside&) = delete;

private:
    std::string file_;
    std::string aside_;
};
#endif

// Each test with settings of its own (XDG_CONFIG_HOME in a fresh folder) and
// the dialog and shell services replaced.
class WindowsTest : public ::testing::Test {
protected:
    // The settings folder and file the program uses in this test.
    std::string SettingsFolder() const { return SettingsStore::SettingsFolder(); }
    std::string SettingsFile() const { return SettingsStore::SettingsFile(); }
    // Writes settings.ini before the window is made.
    void StoreSettings(const std::string& content);

    TempFolder home_;
    ScopedEnvironment configHome_{"XDG_CONFIG_HOME", home_.Path()};
#ifdef _WIN32
    SettingsPutAside settingsPutAside_;
#endif
    TempFolder work_;  // folders and files a test needs
    FakeDialogs dialogs_;
    FakeShell shell_;
};

// Runs `step` every `intervalMs` from whichever event loop runs then (a
// modal window's included) until it returns true or the timer goes.
std::unique_ptr<QTimer> RunEvery(int intervalMs, const std::function<bool()>& step);

// Runs `action` on the modal dialog that the code under test opens next
// (from inside its modal loop); fails the test if none opens in time.
void WhenModalOpens(const std::function<void(QDialog&)>& action);

}  // namespace kestrum::test
