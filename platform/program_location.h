#pragma once
// Where the running program lives, and the user's configuration folder.

#include <filesystem>

namespace skycrier {

// The running executable's file; empty when it cannot be found.
std::filesystem::path executablePath();
// The folder of the running executable; empty when it cannot be found.
std::filesystem::path executableFolder();
// $XDG_CONFIG_HOME, else ~/.config.
std::filesystem::path userConfigFolder();
// The user's public share folder: XDG_PUBLICSHARE_DIR of user-dirs.dirs, else ~/Public.
std::filesystem::path userPublicShareFolder();

}  // namespace skycrier
