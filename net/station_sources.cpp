#include "net/station_sources.h"

namespace skycrier {

StationSources::StationSources(EventLoop& loop, SpeechUnits& units)
    : context(loop, units),
      sourceChoice(context,
                     {&monitorSource, &ws23Source, &ws28Source, &aprsSource, &pro2Source, &metarSource}),
      unitsChoice(units, &sourceChoice) {}

}  // namespace skycrier
