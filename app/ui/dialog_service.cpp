#include "app/ui/dialog_service.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "app/core/string_table.h"
#include "app/ui/form_builder.h"
#include "app/ui/qt_text.h"
#include "app/ui/service_slot.h"

namespace kestrum {
namespace {

class QtDialogs : public DialogService {
public:
    MessageAnswer Message(QWidget* owner, const QString& text, MessageIcon icon,
                          MessageButtons buttons) override {
        QMessageBox box(
            icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
            ToQString(texts::kAppTitle), text,
            buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
            OwnerOrActiveWindow(owner));
        const int answer = box.exec();
        if (buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }

    std::optional<QString> ChooseFolder(QWidget* owner, const QString& caption,
                                        const QString& initialFolder) override {
        // Qt's own chooser: the platform's cannot be placed nor told what to select.
        QFileDialog dialog(OwnerOrActiveWindow(owner), caption);
        dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::Directory);
        const QFileInfo initial(initialFolder);
        if (!initialFolder.isEmpty() && initial.isDir()) {
            const QString folder = initial.absoluteFilePath();
            dialog.setDirectory(QFileInfo(folder).absolutePath());
            dialog.selectFile(folder);
            CentreOnScreen(dialog);
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    }

    QStringList ChooseFiles(QWidget* owner, const FileChooserRequest& request) override {
        QFileDialog dialog(OwnerOrActiveWindow(owner), request.title, request.initialFolder,
                           request.filter);
        dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles
                                            : QFileDialog::ExistingFile);
        dialog.setSizeGripEnabled(true);
        if (dialog.exec() != QDialog::Accepted) {
            return {};
        }
        QStringList files;
        for (const QString& file : dialog.selectedFiles()) {
            files.append(QDir::toNativeSeparators(file));
        }
        return files;
    }

private:
    static QWidget* OwnerOrActiveWindow(QWidget* owner) {
        return owner != nullptr ? owner->window() : QApplication::activeWindow();
    }

    static void CentreOnScreen(QFileDialog& dialog) {
        dialog.adjustSize();
        Place(dialog, FormPosition::ScreenCenter);
    }
};

ServiceSlot<DialogService> slot;

}  // namespace

DialogService& Dialogs() {
    static QtDialogs qt;
    return slot.Get(qt);
}

DialogService* ReplaceDialogs(DialogService* service) {
    return slot.Replace(service);
}

void ShowInformation(QWidget* owner, const QString& text) {
    Dialogs().Message(owner, text, MessageIcon::Information, MessageButtons::Ok);
}

void ShowError(QWidget* owner, const QString& text) {
    Dialogs().Message(owner, text, MessageIcon::Error, MessageButtons::Ok);
}

bool AskYesNo(QWidget* owner, const QString& text) {
    return Dialogs().Message(owner, text, MessageIcon::Information, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

}  // namespace kestrum
