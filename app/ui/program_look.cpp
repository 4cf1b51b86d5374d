#include "app/ui/program_look.h"

#include <QApplication>
#include <QIcon>

#include "resources/program_pictures.h"
#include "skin/ui/program_font.h"

namespace kestrum {

void ApplyProgramLook() {
    pictures::InitProgramPictures();
    // Setting the application font also drops the toolkit's per-class fonts,
    // so menus and message boxes use it too.
    QApplication::setFont(ProgramFont());
    QIcon icon;
    icon.addFile(pictures::kProgramIcon48);
    icon.addFile(pictures::kProgramIcon256);
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName("kestrum-video-converter");
}

}  // namespace kestrum
