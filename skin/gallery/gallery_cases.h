#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace kestrum::gallery {

// One rendered case: its file name (without ".png") and its pixels.
struct Shot {
    QString name;
    QImage image;
};

// A group of cases shown together on the contact sheet.
struct Section {
    QString title;
    std::vector<Shot> shots;
};

// Every control in every style (FromThemeFile with the gallery's skin, or as
// DeepBlue without one), then the profile menu, the link label and the flat panel.
std::vector<Section> RenderControls();
std::vector<Section> RenderMenus();
// The program's windows, drawn with the program's look (its font too), so
// they come last; the main window keeps its settings under `settingsRoot`.
std::vector<Section> RenderWindows(const QString& settingsRoot);

}  // namespace kestrum::gallery
