#pragma once
// The program's help: an HTML page in each language, installed beside the program.

#include <string>

namespace skycrier::gui {

inline constexpr const char* kHelpFileName = "skycrier_help.html";

// The help page's path in the windows' language: help/en or help/es beside the program file.
std::string helpFile();

}  // namespace skycrier::gui
