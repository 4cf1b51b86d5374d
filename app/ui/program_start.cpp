#include "app/ui/program_start.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/ui/main_window.h"
#include "app/ui/program_look.h"
#include "app/ui/running_copy.h"

namespace kestrum {

int RunProgram(int& argc, char** argv, const std::function<void(TfrmMain&)>& shown) {
    QApplication application(argc, argv);
    RunningCopy runningCopy;
    switch (runningCopy.Start()) {
        case StartRole::WokeRunningCopy:
            return 0;
        case StartRole::SilentRunningCopy:
            std::fprintf(stderr, "%s\n", runningCopy.SilentCopyText().c_str());
            return 0;
        case StartRole::FirstCopy:
        case StartRole::Unguarded:
            break;
    }
    // The application's title is the main window's caption and the desktop
    // entry's name; Qt's display name is left unset, since the platform would
    // append it to every window's caption.
    ApplyProgramLook();
    TfrmMain mainWindow;
    QObject::connect(&runningCopy, &RunningCopy::ActivateInstance, &mainWindow,
                     &TfrmMain::ActivateInstance);
    mainWindow.show();
    if (shown) {
        QTimer::singleShot(0, &mainWindow, [&mainWindow, &shown] { shown(mainWindow); });
    }
    return QApplication::exec();
}

}  // namespace kestrum
