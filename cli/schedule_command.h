#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skycrier::cli {

// skycrier-cli schedule --ini FILE --from "YYYY-MM-DD HH:MM" --to "YYYY-MM-DD HH:MM" [--bulletin-seconds N] [--folder DIR]
// Runs the scheduler and the sequencer in virtual time from --from to --to
// with the configuration's period and window of hours, and prints the local
// start of every bulletin ("YYYY-MM-DD HH:MM:SS"), one a line. The program
// starts at --from; each bulletin holds the channel N seconds (default 30)
// before its words, which take no time. Exit 0; 2 for bad options or an
// unreadable configuration.
int runScheduleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skycrier::cli
