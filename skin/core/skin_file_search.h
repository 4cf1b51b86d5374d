#pragma once

#include <string>

namespace kestrum {

// The folder the installed program keeps its skin files in, with a trailing
// separator (share/kestrum-video-converter/skins beside the program's bin).
std::string InstalledSkinsFolder();

// The skin file a theme's file setting names: the setting itself (made
// absolute) when such a file exists, else its file name alone in the program's folder and then in
// the installed skins folder. Empty when none of them exists.
std::string FindSkinFile(const std::string& setting);

}  // namespace kestrum
