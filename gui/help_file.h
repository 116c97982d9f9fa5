#pragma once
// The program's help: an HTML page in each language, found beside the program in the build tree and under
// share/skycrier/help of the installation otherwise.

#include <filesystem>
#include <string>
#include <string_view>

namespace skycrier::gui {

inline constexpr const char* kHelpFileName = "skycrier_help.html";

// The help page in `language` ("en", "es") for a program in `programFolder`: help/<language>/ beside it when
// that folder exists (the build tree), else ../share/skycrier/help/<language>/ (an installation).
std::filesystem::path helpFileFor(const std::filesystem::path& programFolder, std::string_view language);

// The help page's path in the windows' language for the running program.
std::string helpFile();

}  // namespace skycrier::gui
