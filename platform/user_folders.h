#pragma once

#include <string>

namespace kestrum::platform {

// The per-user folder that holds programs' settings, with a trailing separator:
// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config (the home
// folder from the user database when HOME is unset). Empty when none is known.
std::string UserSettingsRoot();

}  // namespace kestrum::platform
