#pragma once
// Saving the configuration file: it replaces the file at once and whole, so that a crash or power cut during a save
// leaves the previous settings or the new ones, never a part or nothing.

#include <filesystem>
#include <string>

namespace skycrier {

// Read-only between saves; only the owner may read a file that holds the APRS password.
inline constexpr unsigned kConfigPermissions = 0444;
inline constexpr unsigned kConfigWithPasswordPermissions = 0400;

// Writes the text as the file (skycrier.ini), by way of skycrier.~in in its folder.
// False with a one-line reason when it could not: the previous file is then as it was.
bool saveConfigurationFile(const std::filesystem::path& file, const std::string& text, std::string& reason);

}  // namespace skycrier
