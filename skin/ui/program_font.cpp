#include "skin/ui/program_font.h"

namespace kestrum {

QFont ProgramFont(int pixelHeight, bool bold, bool underline) {
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
