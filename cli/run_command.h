#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skycrier::cli {

// skycrier-cli run [--folder DIR] [--ini FILE] [--mailbox NAME]
// The headless service: loads the configuration (the program folder's
// skycrier.ini unless --ini), starts the chosen source and the scheduler,
// plays bulletins on the configured sound output keying the configured port,
// writes the log, and runs until SIGTERM, SIGINT, SIGHUP or SIGQUIT, then ends
// a bulletin on the air, saves the configuration and releases the port.
// One line per bulletin on stderr: its start, what started it, and "done" or
// "abort" with the status text. It shares the transmitter with peer programs
// through the mailbox (--mailbox: a private one of that name, as for peer).
// Exit 0 after a signal; 1 when the program cannot start; 2 for bad options.
int runRunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skycrier::cli
