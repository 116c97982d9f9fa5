#pragma once
// What a program left alone will do, said when it starts (and again when it
// reads its configuration anew): where its weather comes from, which port
// keys the transmitter and which lines start a bulletin, when the bulletins
// come and where they are heard, and the next one, or why none will come.

#include <string>
#include <vector>

#include "app/announcer.h"

namespace skycrier {

// One line per subject, for stderr and the log.
std::vector<std::string> stationSummary(Announcer& announcer, double localNow);

}  // namespace skycrier
