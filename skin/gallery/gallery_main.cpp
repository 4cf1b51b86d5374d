// kestrum-skin-gallery [--skin FILE [--password P]] --out DIR: renders every
// skinned control offscreen, and the program's windows, one PNG per case, and
// gallery.png with all of them; the FromThemeFile cases draw with the skin
// file when one is given.
#include <QApplication>
#include <QDir>
#include <QTextStream>

#include "skin/gallery/contact_sheet.h"
#include "skin/gallery/gallery_cases.h"
#include "skin/gallery/gallery_skin.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const qsizetype at = arguments.indexOf("--out");
    QTextStream err(stderr);
    if (at < 0 || at + 1 >= arguments.size()) {
        err << "usage: kestrum-skin-gallery [--skin FILE [--password P]] --out DIR\n";
        return 2;
    }
    QString skinError;
    const std::unique_ptr<kestrum::TlumFileTheme> skin =
        kestrum::gallery::LoadSkinOption(arguments, &skinError);
    if (!skinError.isEmpty()) {
        err << skinError << "\n";
        return 1;
    }
    kestrum::gallery::UseSkin(skin.get());
    const QDir out(arguments[at + 1]);
    if (!QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }
    std::vector<kestrum::gallery::Section> sections = kestrum::gallery::RenderControls();
    for (kestrum::gallery::Section& section : kestrum::gallery::RenderMenus()) {
        sections.push_back(std::move(section));
    }
    // The windows' first start reads (and so creates) a settings folder of its own.
    const QString settingsRoot = out.filePath(".config");
    for (kestrum::gallery::Section& section : kestrum::gallery::RenderWindows(settingsRoot)) {
        sections.push_back(std::move(section));
    }
    QDir(settingsRoot).removeRecursively();
    for (const kestrum::gallery::Section& section : sections) {
        for (const kestrum::gallery::Shot& shot : section.shots) {
            if (!shot.image.save(out.filePath(shot.name + ".png"))) {
                err << "cannot write " << shot.name << ".png\n";
                return 1;
            }
        }
    }
    if (!kestrum::gallery::ContactSheet(sections).save(out.filePath("gallery.png"))) {
        err << "cannot write gallery.png\n";
        return 1;
    }
    return 0;
}
