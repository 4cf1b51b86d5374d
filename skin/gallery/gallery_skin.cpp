#include "skin/gallery/gallery_skin.h"

#include "app/ui/qt_text.h"

namespace kestrum::gallery {
namespace {

TlumThemeSource* chosenSkin = nullptr;

QString ValueOf(const QStringList& arguments, const QString& option) {
    const qsizetype at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
}

}  // namespace

std::unique_ptr<TlumFileTheme> LoadSkinOption(const QStringList& arguments, QString* error) {
    if (!arguments.contains("--skin")) {
        return nullptr;
    }
    const QString file = ValueOf(arguments, "--skin");
    if (file.isEmpty() || file.startsWith("--")) {
        *error = "--skin needs a skin file";
        return nullptr;
    }
    auto skin = std::make_unique<TlumFileTheme>();
    // The password first, so that the file is read once, with it.
    skin->SetPassword(ValueOf(arguments, "--password"));
    skin->SetThemeFile(file);
    if (skin->ThemeFile().isEmpty()) {
        *error = QString("%1: no such skin file").arg(file);
        return nullptr;
    }
    if (!skin->Ready()) {
        const std::string_view message = skinfile::SkinReadMessage(skin->LastOutcome());
        *error = QString("%1: %2").arg(skin->ThemeFile(), ToQString(message));
        return nullptr;
    }
    return skin;
}

void UseSkin(TlumThemeSource* skin) {
    chosenSkin = skin;
}

TlumThemeSource* Skin() {
    return chosenSkin;
}

}  // namespace kestrum::gallery
