#include "skin/ui/program_font.h"

namespace kestrum {

QFont ProgramFont(int pixelHeight, bool bold) {
    QFont font(kProgramFontFamily);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
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
