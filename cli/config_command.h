#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skycrier::cli {

// skycrier-cli config --ini FILE [--at "YYYY-MM-DD HH:MM:SS"] [--folder DIR]
// Loads the configuration as the program's start-up does, without opening a
// device or showing a window (a chosen station's file is polled once, at
// --at or now), and prints on stdout the file a save would write right after,
// byte for byte, CR LF line ends. Each line it ignored or changed is told on
// stderr: "skycrier-cli config: line N: <why>". Relative data-file names are
// taken from the program folder (--folder). Exit 0, also with ignored lines;
// 2 for bad options or an unreadable file.
int runConfigCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skycrier::cli
