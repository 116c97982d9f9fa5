#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skycrier::cli {

// skycrier-cli check [--folder DIR] [--ini FILE] [--key]
// A pre-flight of what the service would use, one line per item on stdout,
// in this order: configuration, port, sound output, files, weather, schedule.
// Each line is "ITEM: ok" (with a note in brackets at times) or
// "ITEM: <the problem>; <what to do>". The port is opened and released at
// once; only with --key are its keying lines raised for one second. The
// folder and the configuration are chosen as for run.
// Exit 0 when every item is ok; 1 when one is not, or when the folder cannot
// be used or another program runs on it; 2 for bad options.
int runCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skycrier::cli
