#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace kestrum {

enum class MessageIcon { Information, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// What a file chooser asks for.
struct FileChooserRequest {
    QString title;          // empty: the platform's own title
    QString filter;         // in Qt's form, "ffmpeg (ffmpeg)"; empty: all files
    QString initialFolder;  // empty: where the platform starts
    bool multiple = false;  // several files at once
};

// Every message box and every file or folder chooser of the program. The
// windows never open one themselves; tests put in a service of their own that
// records the requests and answers them.
class DialogService {
public:
    virtual ~DialogService() = default;

    // A modal message box captioned with the product title.
    virtual MessageAnswer Message(QWidget* owner, const QString& text, MessageIcon icon,
                                  MessageButtons buttons) = 0;

    // The folder chooser, `caption` telling the user what to pick. With an
    // existing `initialFolder` it opens centred on the screen with that folder
    // selected; otherwise where the platform places it, nothing selected.
    // Nothing when the user cancels.
    virtual std::optional<QString> ChooseFolder(QWidget* owner, const QString& caption,
                                                const QString& initialFolder) = 0;

    // The file chooser; the full paths picked, none when the user cancels.
    virtual QStringList ChooseFiles(QWidget* owner, const FileChooserRequest& request) = 0;
};

// The service in use: Qt's dialogs, unless a test replaced it.
DialogService& Dialogs();

// Makes `service` the one in use (null restores Qt's) and returns the one it
// replaces. The caller keeps ownership.
DialogService* ReplaceDialogs(DialogService* service);

// The three kinds of message the windows show.
void ShowInformation(QWidget* owner, const QString& text);
void ShowError(QWidget* owner, const QString& text);
bool AskYesNo(QWidget* owner, const QString& text);  // Yes/No, information icon

}  // namespace kestrum
