#pragma once
// What would make the bulletins say less than the configuration asks for,
// told before they go on the air instead of left for a listener to notice:
// the chosen weather source cannot be used or reports an error, or none of
// its values is ticked for speaking. No source chosen is a choice, not a fault.

#include <string>
#include <vector>

#include "base/weather_sources.h"

namespace skycrier {

// One line of text per problem, for stderr and the log.
std::vector<std::string> weatherProblems(WeatherSources& sources);

}  // namespace skycrier
