#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skycrier::cli {

// skycrier-cli devices: the sound outputs ALSA has, one a line as
// "NAME<tab>DESCRIPTION", with "<tab>device N" after a card's playback device
// that the numbered list (--device N, "OSOUND=") has too; then the serial
// ports, one path a line. Each list under its heading, a blank line between.
int runDevicesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skycrier::cli
