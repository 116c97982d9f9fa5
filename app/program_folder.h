#pragma once
// The program folder holds skycrier.ini, the log and the working files, and
// relative file names of the configuration are taken from it. It is the
// executable's own folder when that can be written (a portable install, a
// build tree), else $XDG_CONFIG_HOME/skycrier; --folder overrides both.

#include <filesystem>
#include <span>
#include <string>

namespace skycrier {

struct FolderPlaces {
    std::filesystem::path chosen;  // --folder, empty when not given
    std::filesystem::path executableFolder;
    bool executableFolderWritable = false;
    std::filesystem::path userConfigFolder;
};

std::filesystem::path chooseProgramFolder(const FolderPlaces& places);

// A configured file name as a path: relative names are taken from the folder;
// empty and absolute names stay as they are.
std::string resolveInFolder(const std::filesystem::path& folder, const std::string& name);

// Creates the folder when needed and writes the default greeting into it when
// it is missing there; false with a one-line reason.
bool prepareProgramFolder(const std::filesystem::path& folder, std::span<const unsigned char> greeting,
                          std::string& error);

}  // namespace skycrier
