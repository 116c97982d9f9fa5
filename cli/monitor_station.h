#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skycrier::cli {

// skycrier-cli station mon PORT [--polls N] [--at "YYYY-MM-DD HH:MM:SS"] [--temp C|F]
//   [--pressure hPa|inHg] [--wind kmh|mph] [--rain mm|inch]
// Opens a Weather Monitor II console on PORT ("COM3", 3 or a device path) as
// its window's port list does, runs N polls (1 by default; the periods
// between them pass at once) and prints the same JSON as the other stations,
// with the status line and the library's version among the controls. Exit 0
// when the last poll read the station, 1 when it did not, 2 for bad options.
int runMonitorStation(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skycrier::cli
