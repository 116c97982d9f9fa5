#pragma once
// Every weather source of the program and the windows that choose among
// them, built once and living as long as the program. The announcer reads
// the weather through `weatherSources()`; the configuration loader and the
// GUI drive the windows' handlers.

#include "net/aprs_source.h"
#include "net/metar_source.h"
#include "sources/monitor_source.h"
#include "sources/pro2_source.h"
#include "sources/source_choice.h"
#include "sources/units_window.h"
#include "sources/ws23_source.h"
#include "sources/ws28_source.h"

namespace skycrier {

class StationSources {
public:
    // The units are the program's one SpeechUnits record, shared with the announcer.
    StationSources(EventLoop& loop, SpeechUnits& units);
    StationSources(const StationSources&) = delete;
    StationSources& operator=(const StationSources&) = delete;

    WeatherSources& weatherSources() { return FormChoixMeteo; }

    SourceContext context;
    TFormMeteo FormMeteo{context};
    TFormMeteoW23 FormMeteoW23{context};
    TFormMeteoW28 FormMeteoW28{context};
    TFormMeteoAPRS FormMeteoAPRS{context};
    TFormMeteoPro2 FormMeteoPro2{context};
    TFormMeteoMETAR FormMeteoMETAR{context};
    TFormChoixMeteo FormChoixMeteo;
    UnitsChoice unitsChoice;
};

}  // namespace skycrier
