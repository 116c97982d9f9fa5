#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skycrier::cli {

// skycrier-cli station w23|w28|pro2 FILE [--at "YYYY-MM-DD HH:MM:SS"] [--temp C|F]
//   [--pressure hPa|inHg] [--wind kmh|mph] [--rain mm|inch] [--offset N] [--threshold N] [--relative]
// One poll of the station file, printed as one JSON object: the source's record
// and what its window shows. Numbers print in their shortest form that reads
// back as the same double ("1016", "29.91389"), NaN and infinity as null. Exit 0 when the poll read the file, 1 when the
// source reports an error (the JSON still shows it), 2 for bad options or an
// unreadable file.
int runStationCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skycrier::cli
