#pragma once
// The program folder holds skycrier.ini, the log and the working files, and
// relative file names of the configuration are taken from it. It is
// $XDG_CONFIG_HOME/skycrier (~/.config/skycrier) wherever the program runs
// from, the build tree included; --folder overrides it.

#include <filesystem>
#include <span>
#include <string>

namespace skycrier {

struct FolderPlaces {
    std::filesystem::path chosen;  // --folder, empty when not given
    // Where older versions kept the files: beside the program.
    std::filesystem::path executableFolder;
    std::filesystem::path userConfigFolder;
};

// The places of this process: its --folder, its program file's folder, the user's configuration folder.
FolderPlaces placesOfThisProgram(const std::filesystem::path& chosen);

std::filesystem::path chooseProgramFolder(const FolderPlaces& places);

// Moves a configuration left beside the program by an older version into the
// default folder, once: only when no folder was chosen, the program's folder
// holds skycrier.ini and the default folder does not. skycrier.ini and
// skycrier.log move; the files the configuration names by a relative name
// (greetings, station files) are copied, so relative names still find them.
// The line that says what moved, or why nothing could (both stay as they
// were); empty when there was nothing to move.
std::string moveConfigurationBesideProgram(const FolderPlaces& places);

// A configured file name as a path: relative names are taken from the folder;
// empty and absolute names stay as they are.
std::string resolveInFolder(const std::filesystem::path& folder, const std::string& name);

// Creates the folder when needed and writes the default greeting into it when
// it is missing there; false with a one-line reason.
bool prepareProgramFolder(const std::filesystem::path& folder, std::span<const unsigned char> greeting,
                          std::string& error);

}  // namespace skycrier
