#include "resources/artwork/artwork_manifest.h"

#include <QBuffer>
#include <QImageWriter>

#include "resources/artwork/skin_art.h"
#include "resources/artwork/window_art.h"

namespace kestrum::artwork {

std::vector<ArtworkFile> AllArtwork() {
    return {
        {"skin/MACOS_BUTTON.png", MacOSButton},
        {"skin/WINXP_BUTTON.png", WinXPButton},
        {"skin/DEEPBLUE_BUTTON.png", DeepBlueButton},
        {"skin/PROTEIN_BUTTON.png", ProteinButton},
        {"skin/BLUEGLASS_BUTTON.png", BlueGlassButton},
        {"skin/MACOS_CHECKBOX.png", MacOSCheckBox},
        {"skin/WINXP_CHECKBOX.png", WinXPCheckBox},
        {"skin/DEEPBLUE_CHECKBOX.png", DeepBlueCheckBox},
        {"skin/PROTEIN_CHECKBOX.png", ProteinCheckBox},
        {"skin/BLUEGLASS_CHECKBOX.png", BlueGlassCheckBox},
        {"skin/MACOS_PROGRESSBAR.png", MacOSProgressBar},
        {"skin/WINXP_PROGRESSBAR.png", WinXPProgressBar},
        {"skin/DEEPBLUE_PROGRESSBAR.png", DeepBlueProgressBar},
        {"skin/PROTEIN_PROGRESSBAR.png", ProteinProgressBar},
        {"skin/BLUEGLASS_PROGRESSBAR.png", BlueGlassProgressBar},
        {"skin/MENU_CHECKED.png", MenuChecked},
        {"skin/MACOS_MENU_BAR.png", MacOSMenuBar},
        {"skin/MACOS_MENU_SELECT.png", MacOSMenuSelect},
        {"pictures/MAIN_BANNER.jpg", [] { return Banner(405); }},
        {"pictures/ABOUT_BANNER.jpg", [] { return Banner(360); }},
        {"pictures/PROGRAM_EMBLEM.png", [] { return Emblem(32); }},
        {"pictures/UPDATE_ICON.png", UpdateIcon},
        {"pictures/ADVANCED_ICON.png", [] { return AdvancedIcon(false); }},
        {"pictures/ADVANCED_ICON_HOVER.png", [] { return AdvancedIcon(true); }},
        {"pictures/CONVERT_PICTURE.png", ConvertPicture},
        {"pictures/CONVERT_PROGRESS_FILL.png", ConvertProgressFill},
        // The program's icon at the desktop's usual sizes.
        {"icons/kestrum-16.png", [] { return Emblem(16); }},
        {"icons/kestrum-22.png", [] { return Emblem(22); }},
        {"icons/kestrum-24.png", [] { return Emblem(24); }},
        {"icons/kestrum-32.png", [] { return Emblem(32); }},
        {"icons/kestrum-48.png", [] { return Emblem(48); }},
        {"icons/kestrum-64.png", [] { return Emblem(64); }},
        {"icons/kestrum-128.png", [] { return Emblem(128); }},
        {"icons/kestrum-256.png", [] { return Emblem(256); }},
    };
}

QByteArray EncodeArtwork(const ArtworkFile& file) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool jpeg = file.path.endsWith(".jpg");
    QImageWriter writer(&buffer, jpeg ? "jpeg" : "png");
    if (jpeg) {
        writer.setQuality(92);
    }
    writer.write(file.draw());
    return bytes;
}

}  // namespace kestrum::artwork
