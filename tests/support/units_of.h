#pragma once
// Speech units chosen by their two metric switches, for tests across units.

#include "base/speech_units.h"

namespace skycrier::test {

inline SpeechUnits unitsOf(bool celsius, bool kmh) {
    SpeechUnits u;
    u.setTemperatureMetric(celsius);
    u.setWindMetric(kmh);
    return u;
}

// Every quantity in imperial units.
inline SpeechUnits imperialUnits() {
    SpeechUnits u = unitsOf(false, false);
    u.setPressureMetric(false);
    u.setRainMetric(false);
    return u;
}

}  // namespace skycrier::test
