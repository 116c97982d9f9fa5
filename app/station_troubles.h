#pragma once
// What keeps a station source from being read, in words for the operator and
// the log: a data file that is not there (a share not mounted yet), a Weather
// Monitor II console that does not answer. The sources keep polling; these
// texts only say why nothing comes and, later, that it came back.

#include <string>

#include "app/source_models.h"

namespace skycrier {

// Empty when nothing keeps the source from being read.
std::string stationTrouble(SourceModels& stations, SourceKind kind);
// The line that says the trouble is over.
std::string stationTroubleEnded(SourceModels& stations, SourceKind kind);

}  // namespace skycrier
