#pragma once
// Inputs for every weather source at once, so that each source window can be
// reviewed (drawn, listed) holding values from a real poll: a WS-23xx and a
// WS-28xx history.dat, a Vantage Pro2 month, a METAR report and an APRS
// weather file, and a configuration that names them all with every value ticked.

#include <filesystem>
#include <string>

namespace skycrier::test {

// Writes the files into folder, the newest records at `now`, and
// folder/skycrier.ini choosing `chosen` ("W23", "METAR", ...); a non-empty
// monitorPort adds the Weather Monitor II console's port. Returns the
// configuration's path.
std::filesystem::path writeReviewInputs(const std::filesystem::path& folder, double now, const std::string& chosen,
                                        const std::string& monitorPort = {});

}  // namespace skycrier::test
