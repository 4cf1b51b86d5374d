#include "skin/ui/program_font.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace kestrum {
namespace {

// The program font's files in a "fonts" folder beside the program, where a
// package for a system without the face ships them (Windows, whose own fonts
// differ from machine to machine). Registered once, before the first font is
// made; elsewhere the system's fonts hold the face.
void RegisterShippedFonts() {
    static const bool registered = [] {
        const QDir folder(QCoreApplication::applicationDirPath() + "/fonts");
        for (const QString& file : folder.entryList({"*.ttf"}, QDir::Files)) {
            QFontDatabase::addApplicationFont(folder.filePath(file));
        }
        return true;
    }();
    static_cast<void>(registered);
}

}  // namespace

QFont ProgramFont(int pixelHeight, bool bold, bool underline) {
    RegisterShippedFonts();
    QFont font(kProgramFontFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

int PointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}

}  // namespace kestrum

namespace kestrum {

QString ResolveFontFamily(const QString& name) {
    return name.compare("MS Sans Serif", Qt::CaseInsensitive) == 0 ? QString(kProgramFontFamily)
                                                                   : name;
}

}  // namespace kestrum
