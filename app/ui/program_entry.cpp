#include <QApplication>

#include "app/core/string_table.h"
#include "app/ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QString::fromUtf8(kestrum::texts::kAppTitle.data()));
    kestrum::TfrmMain mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
