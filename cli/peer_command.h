#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skycrier::cli {

// skycrier-cli peer hello|play|send TEXT|listen [--timeout S] [--mailbox NAME]
// A peer program for scripts sharing the transmitter with the announcer:
// hello asks whether it is free and prints "BRELL_READY" or "BRELL_OCCUPIED";
// play asks for a bulletin and prints "BRELL_DONE" when it has ended; send
// writes TEXT (UTF-8, sent in Windows-1252); listen prints every message, one
// a line in UTF-8, until the time-out or a signal. Exit 0 on the answer (listen:
// at its end); 1 when no answer came in time (hello 5 s, play 300 s by
// default; counted from the start, opening and sending included) or the
// mailbox cannot be opened or is refused; 2 for bad usage.
int runPeerCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skycrier::cli
