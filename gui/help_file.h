#pragma once
// The program's help: an HTML page installed beside the program.

#include <string>

namespace skycrier::gui {

inline constexpr const char* kHelpFileName = "skycrier_help.html";

// The help page's path: in the help folder beside the program file.
std::string helpFile();

}  // namespace skycrier::gui
