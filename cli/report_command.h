#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skycrier::cli {

// skycrier-cli metar FILE | CODE | --url URL [--at ...] [--temp C|F] [--pressure hPa|inHg]
//   [--wind kmh|mph] [--rain mm|inch] [--offset N] [--tu UT|Loc] [--provider URL] [--folder DIR]
// One poll of a fresh METAR source on a local report file, or on a web
// address (or an airport's ICAO code, from the provider) fetched first, printed as one JSON object: "MeteoData", "controls"
// (each caption with its red mark), "uiview" (the time-stamp and weather
// lines) and "cw". The output files go into the program folder. Exit 0 after
// a good poll, 1 when the poll reports an error, 2 for bad usage.
int runMetarCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// skycrier-cli aprs FILE | --url URL [the same options] [--in-wind kmh|mph|knot]
//   [--in-temp C|F] [--in-rain mm|inch]
// Likewise for the APRS source ("MeteoData", "controls", "cw").
int runAprsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skycrier::cli
