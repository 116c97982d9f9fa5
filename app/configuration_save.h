#pragma once
// Saving the configuration file: it replaces skycrier.ini in the program
// folder at once and whole, so that a crash or power cut during a save
// leaves the previous settings or the new ones, never a part or nothing.

#include <filesystem>
#include <string>

namespace skycrier {

// Read-only between saves; only the owner may read a file that holds the APRS password.
inline constexpr unsigned kConfigPermissions = 0444;
inline constexpr unsigned kConfigWithPasswordPermissions = 0400;

// Writes the text as the folder's skycrier.ini, by way of skycrier.~in.
// False with a one-line reason when it could not: the previous file is then as it was.
bool saveConfigurationFile(const std::filesystem::path& folder, const std::string& text, std::string& reason);

}  // namespace skycrier
