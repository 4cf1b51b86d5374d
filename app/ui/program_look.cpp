#include "app/ui/program_look.h"

#include <QApplication>
#include <QIcon>

#include "resources/program_pictures.h"

namespace kestrum {

QFont WindowFont(int pixelHeight, bool bold, bool underline) {
    QFont font(kWindowFontFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void ApplyProgramLook() {
    pictures::InitProgramPictures();
    // Setting the application font also drops the toolkit's per-class fonts,
    // so menus and message boxes use it too.
    QApplication::setFont(WindowFont());
    QIcon icon;
    icon.addFile(pictures::kProgramIcon48);
    icon.addFile(pictures::kProgramIcon256);
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName("kestrum-video-converter");
}

}  // namespace kestrum
