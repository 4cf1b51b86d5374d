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
    QGuiApplication::setDesktopFileName("kestrum-video-converter");
}

void ApplyProgramIcon() {
    pictures::InitProgramPictures();
    // One size, since every size given is decoded at once. Launchers and
    // menus take the larger icons that the desktop entry installs.
    QApplication::setWindowIcon(QIcon(pictures::kProgramIcon48));
}

}  // namespace kestrum
