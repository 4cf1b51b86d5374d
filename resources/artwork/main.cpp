// kestrum-artwork --out DIR: draws every picture of the program into DIR
// (resources/images in the source tree; see resources/generate-artwork).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include "resources/artwork/artwork_manifest.h"

int main(int argc, char* argv[]) {
    // Drawn as the program's tests draw it: with a GUI application, offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    const qsizetype at = arguments.indexOf("--out");
    QTextStream err(stderr);
    if (at < 0 || at + 1 >= arguments.size()) {
        err << "usage: kestrum-artwork --out DIR\n";
        return 2;
    }
    const QDir out(arguments[at + 1]);
    for (const kestrum::artwork::ArtworkFile& file : kestrum::artwork::AllArtwork()) {
        const QString path = out.filePath(file.path);
        QDir().mkpath(QFileInfo(path).path());
        QFile target(path);
        if (!target.open(QIODevice::WriteOnly) ||
            target.write(kestrum::artwork::EncodeArtwork(file)) < 0) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
