#include "resources/program_pictures.h"

#include <QImageReader>
#include <QtGlobal>

// The resource initialiser must be named at global scope.
static void InitKestrumPicturesResource() {
    Q_INIT_RESOURCE(kestrum_pictures);
}

namespace kestrum::pictures {

void InitProgramPictures() {
    static const bool done = [] {
        InitKestrumPicturesResource();
        return true;
    }();
    (void)done;
}

QImage ProgramPicture(const char* name) {
    InitProgramPictures();
    return ReadPngPicture(QString::fromLatin1(name));
}

QImage ReadPngPicture(const QString& name) {
    QImageReader reader(name, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace kestrum::pictures
