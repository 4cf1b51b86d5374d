#pragma once

#include <string>

namespace kestrum::platform {

// The per-user folder that holds programs' settings, with a trailing separator:
// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config (the home
// folder from the user database when HOME is unset). Empty when none is known.
std::string UserSettingsRoot();

// This program's per-user cache folder, with a trailing separator, not
// created here: $XDG_CACHE_HOME/kestrum/ when XDG_CACHE_HOME is an absolute
// path, else $HOME/.cache/kestrum/; on Windows the local (not roaming)
// application-data folder's Kestrum\. Empty when none is known.
std::string ProgramCacheFolder();

}  // namespace kestrum::platform
