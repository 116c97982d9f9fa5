#pragma once
// A METAR or APRS window of its own on virtual time, to show reports in
// without a program around it.

#include "net/aprs_source.h"
#include "net/metar_source.h"
#include "platform/virtual_loop.h"

namespace skycrier::test {

template <class Window>
struct ReportWindow {
    ReportWindow(const SpeechUnits& speechUnits, double localNow, UtcOffsets zone)
        : loop(localNow, zone), units(speechUnits) {}

    VirtualLoop loop;
    SpeechUnits units;
    SourceContext context{loop, units};
    Window window{context};
};

}  // namespace skycrier::test
