// The main window's output folder: Browser..., "Same as the input file" and
// Show Files...
#include "app/core/string_table.h"
#include "app/ui/dialog_service.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_text.h"
#include "app/ui/shell_service.h"
#include "app/ui/text_bytes.h"
#include "platform/file_system.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"

namespace kestrum {

void TfrmMain::bBrowserClick() {
    const QString initial =
        platform::DirectoryExists(TextBytes(*eOutputFolder)) ? eOutputFolder->text() : QString();
    const std::optional<QString> chosen =
        Dialogs().ChooseFolder(this, ToQString(texts::kSelectOutputFolder), initial);
    if (chosen) {
        OutputDirectory = ChosenPath(*chosen);
        SetTextBytes(*eOutputFolder, OutputDirectory);
        eOutputFolder->setCursorPosition(0);
    }
}

void TfrmMain::cbSameInputClick() {
    eOutputFolder->setEnabled(!cbSameInput->Checked());
}

void TfrmMain::bShowFilesClick() {
    OutputDirectory = cbSameInput->Checked() && !SameInputFolder.empty()
                          ? SameInputFolder
                          : TextBytes(*eOutputFolder);
    if (platform::DirectoryExists(OutputDirectory)) {
        Shell().Open(ToQString(OutputDirectory));
        return;
    }
    ShowError(this, ToQString(OutputDirectory + "," + std::string(texts::kOutputFolderMissing)));
}

}  // namespace kestrum
