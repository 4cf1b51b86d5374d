// The program's windows as a user sees them: the main window on a first
// start and after choosing, the Advanced menu, and the three dialogs.
#include <QAction>
#include <QApplication>

#include "app/ui/about_window.h"
#include "app/ui/label.h"
#include "app/ui/main_window.h"
#include "app/ui/message_prompts.h"
#include "app/ui/program_look.h"
#include "app/ui/qt_text.h"
#include "app/ui/use_another_ffmpeg.h"
#include "convert/ui/progress_window.h"
#include "profiles/ui/manual_convert_dialog.h"
#include "skin/gallery/gallery_cases.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "skin/ui/flat_panel.h"
#include "skin/ui/popup_menu.h"

namespace kestrum::gallery {
namespace {

QImage Grab(QWidget& window) {
    window.show();
    QApplication::processEvents();
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The profile entry called `caption`, in whichever group holds it.
QAction* ProfileEntry(TlumPopupMenu& menu, const QString& caption) {
    for (QAction* group : menu.actions()) {
        if (group->menu() == nullptr) {
            continue;
        }
        for (QAction* entry : group->menu()->actions()) {
            if (entry->text() == caption) {
                return entry;
            }
        }
    }
    return nullptr;
}

// The progress window as a conversion shows it at about half way: drawn
// without being shown, since showing it would start the batch.
QImage GrabHalfWayConversion(TfrmMain& main) {
    MessageBoxPrompts prompts;
    BatchChoices choices;
    choices.SameAsInput = true;
    choices.Profile = "iPod 5G - High Quality (MPEG4, 30 fps, 320x240; AAC)";
    TfrmConvert progress(&main, {"/home/user/Videos/Holiday in the mountains, day two.avi"},
                         *main.ConvertProcess, prompts, choices, main.ProbeAhead);
    const BatchJob job{2, 4, "Holiday in the mountains, day two.avi",
                       "Holiday in the mountains, day two.mp4"};
    progress.JobStarted(job);
    progress.JobProgress(job, {52, "01:05", "02:05", 0});
    return progress.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

std::vector<Section> RenderWindows(const QString& settingsRoot) {
    // A first start: settings of our own, never the user's.
    qputenv("XDG_CONFIG_HOME", settingsRoot.toLocal8Bit());
    ApplyProgramLook();

    Section windows{"The windows", {}};
    TfrmMain main;
    windows.shots.push_back({"window-main", Grab(main)});

    main.lumPopupMenu1->Popup(main.mapToGlobal(main.lbEAddress->geometry().bottomLeft()));
    QApplication::processEvents();
    main.lumPopupMenu1->setActiveAction(main.UseanotherFFMpeg1);
    QApplication::processEvents();
    windows.shots.push_back({"menu-advanced", main.lumPopupMenu1->grab().toImage().convertToFormat(
                                                  QImage::Format_RGB32)});
    main.lumPopupMenu1->hide();

    TfrmUseFFmpeg useAnother(&main);
    useAnother.Edit1->setText(ToQString(main.AnotherFFmpeg));
    useAnother.cbNotUseAnother->SetChecked(main.NotUseAnotherFFmpeg);
    windows.shots.push_back({"window-use-another", Grab(useAnother)});
    useAnother.hide();

    TfrmAbout about(&main);
    windows.shots.push_back({"window-about", Grab(about)});
    about.hide();

    TfrmManualConvert manual(&main, main.fpType->Caption());
    windows.shots.push_back({"window-manual-conversion", Grab(manual)});
    manual.hide();

    windows.shots.push_back({"window-progress", GrabHalfWayConversion(main)});

    if (QAction* ipod =
            ProfileEntry(*main.pmType, "iPod 5G - High Quality (MPEG4, 30 fps, 320x240; AAC)")) {
        ipod->trigger();
    }
    main.cbSameInput->SetChecked(true);
    windows.shots.push_back({"window-main-configured", Grab(main)});
    return {windows};
}

}  // namespace kestrum::gallery
