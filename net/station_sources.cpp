#include "net/station_sources.h"

namespace skycrier {

StationSources::StationSources(EventLoop& loop, SpeechUnits& units)
    : context(loop, units),
      FormChoixMeteo(context,
                     {&FormMeteo, &FormMeteoW23, &FormMeteoW28, &FormMeteoAPRS, &FormMeteoPro2, &FormMeteoMETAR}),
      unitsChoice(units, &FormChoixMeteo) {}

}  // namespace skycrier
