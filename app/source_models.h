#pragma once
// The models of every weather source of the program (the station sources
// and the internet ones) and of the windows that choose among them and
// their units, built once and living as long as the program. The announcer reads
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

class SourceModels {
public:
    // The units are the program's one SpeechUnits record, shared with the announcer.
    SourceModels(EventLoop& loop, SpeechUnits& units);
    SourceModels(const SourceModels&) = delete;
    SourceModels& operator=(const SourceModels&) = delete;

    WeatherSources& weatherSources() { return sourceChoice; }

    SourceContext context;
    MonitorSource monitorSource{context};
    Ws23Source ws23Source{context};
    Ws28Source ws28Source{context};
    AprsSource aprsSource{context};
    Pro2Source pro2Source{context};
    MetarSource metarSource{context};
    SourceChoice sourceChoice;
    UnitsChoice unitsChoice;
};

}  // namespace skycrier
