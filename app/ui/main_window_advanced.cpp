// The Advanced menu of the main window and the web links.
#include <QAction>
#include <QCursor>

#include "app/core/string_table.h"
#include "app/ui/about_window.h"
#include "app/ui/main_window.h"
#include "app/ui/modal_result.h"
#include "app/ui/qt_text.h"
#include "app/ui/shell_service.h"
#include "app/ui/text_bytes.h"
#include "app/ui/use_another_ffmpeg.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "skin/ui/popup_menu.h"

namespace kestrum {

void TfrmMain::iAboutClick() {
    UseanotherFFMpeg1->setChecked(!NotUseAnotherFFmpeg);
    lumPopupMenu1->Popup(QCursor::pos());
}

void TfrmMain::Homepage1Click() {
    Shell().Open(ToQString(texts::kHomePageUrl));
}

void TfrmMain::Donate1Click() {
    Shell().Open(ToQString(texts::kDonateUrl));
}

void TfrmMain::lTitleClick() {
    Shell().Open(ToQString(texts::kVendorSiteUrl));
}

void TfrmMain::UseanotherFFMpeg1Click() {
    // Qt flips a checkable entry's mark before the entry runs; the mark
    // shows NotUseAnotherFFmpeg and nothing else.
    UseanotherFFMpeg1->setChecked(!NotUseAnotherFFmpeg);
    TfrmUseFFmpeg dialog(this);
    SetTextBytes(*dialog.Edit1, AnotherFFmpeg);
    dialog.cbNotUseAnother->SetChecked(NotUseAnotherFFmpeg);
    if (dialog.exec() == mrOk) {
        AnotherFFmpeg = TextBytes(*dialog.Edit1);
        NotUseAnotherFFmpeg = dialog.cbNotUseAnother->Checked();
        UseanotherFFMpeg1->setChecked(!NotUseAnotherFFmpeg);
        ProbeEncoderAhead();
    }
}

void TfrmMain::About1Click() {
    TfrmAbout about(this);
    about.exec();
}

}  // namespace kestrum
