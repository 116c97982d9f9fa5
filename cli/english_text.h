#pragma once
// The command line speaks English: the engine's texts (status, troubles,
// errors), carried in the program's own words, reach standard error through
// the English catalogue the desktop program uses.

#include <string>

namespace skycrier {

std::string inEnglish(const std::string& text);

}  // namespace skycrier
