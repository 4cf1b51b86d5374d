// Convert...: the checks, the input files, the batch in the modal progress
// window, and the failed files at the end.
#include <QStringList>

#include "app/core/string_table.h"
#include "app/ui/dialog_service.h"
#include "app/ui/main_window.h"
#include "app/ui/modal_show.h"
#include "app/ui/qt_text.h"
#include "app/ui/text_bytes.h"
#include "convert/core/batch_checks.h"
#include "convert/ui/progress_window.h"
#include "platform/file_system.h"
#include "profiles/core/output_name.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "skin/ui/flat_panel.h"

namespace kestrum {

void TfrmMain::bConvertClick() {
    // The command's own failures end it silently. An error of a file's Start
    // never gets here: the progress window hands it to the top-level handler.
    try {
        RunConvert();
    } catch (...) {
    }
}

void TfrmMain::RunConvert() {
    const BatchChoices choices{cbSameInput->Checked(), TextBytes(*eOutputFolder),
                               CaptionBytes(*fpType), NotUseAnotherFFmpeg, AnotherFFmpeg};
    if (!choices.SameAsInput) {
        OutputDirectory = choices.OutputFolder;
    }
    if (CheckBeforeBatch(choices, prompts_) != BatchCheck::Ready) {
        return;
    }
    OpenDialog1.title = ToQString(texts::kSelectInputFiles);
    if (platform::DirectoryExists(LastInputFolder)) {
        OpenDialog1.initialFolder = ToQString(LastInputFolder);
    }
    const QStringList chosen = Dialogs().ChooseFiles(this, OpenDialog1);
    if (chosen.isEmpty()) {
        return;
    }
    std::vector<std::string> files;
    for (const QString& file : chosen) {
        files.push_back(ChosenPath(file));
    }
    const std::string folder = ExtractFilePath(files.front());
    if (choices.SameAsInput) {
        SameInputFolder = folder;
    }
    LastInputFolder = folder;

    TfrmConvert progress(this, std::move(files), *ConvertProcess, prompts_, choices, ProbeAhead);
    frmConvert_ = &progress;
    ShowModal(progress);
    if (ConvertProcess == nullptr) {
        return;  // the main window was closed meanwhile: nobody is left to tell
    }
    if (const std::string message = progress.FinalMessage(); !message.empty()) {
        ShowInformation(this, ToQString(message));
    }
}

}  // namespace kestrum
