// Profile selection on the main window: the profile menu and what choosing
// from it does, and the manual conversion dialog.
#include <QAction>
#include <QLineEdit>

#include "app/ui/label.h"
#include "app/ui/main_window.h"
#include "app/ui/modal_result.h"
#include "app/ui/qt_text.h"
#include "app/ui/text_bytes.h"
#include "profiles/ui/manual_convert_dialog.h"
#include "profiles/ui/profile_menu.h"
#include "skin/ui/flat_panel.h"
#include "skin/ui/popup_menu.h"

namespace kestrum {

QPoint TfrmMain::ProfileMenuPoint() const {
    // The menu's top is half the window's distance from the top of the
    // screen, whatever the box's place, which leaves the tall menu room below.
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    return {origin.x() + fpType->x() + fpType->width() / 5, origin.y() / 2};
}

// The profile box's hint always shows its whole caption.
void TfrmMain::SetProfileCaption(const std::string& caption) {
    SetCaptionBytes(*fpType, caption);
    fpType->setToolTip(fpType->Caption());
}

void TfrmMain::fpTypeClick() {
    pmType->Popup(ProfileMenuPoint());
}

void TfrmMain::TypeMenuClick(QAction* entry) {
    SetProfileCaption(ToStdString(ProfileOfMenuEntry(entry->text())));
    lExtName->SetCaption(ExtensionLabelText(fpType->Caption()));
}

void TfrmMain::miManualConvertClick() {
    TfrmManualConvert dialog(this, fpType->Caption());
    if (dialog.exec() == mrOk) {
        // The extension label keeps its text until the next menu choice.
        SetProfileCaption(BytesOf(dialog.Edit1->text(), CaptionBytes(*fpType)));
    }
}

}  // namespace kestrum
