#pragma once
// The felt temperature ("Sensación", wind chill) every source speaks. Each of
// the two published formulas is made for its own units: Environment Canada's
// for °C with the wind in km/h, the US National Weather Service's for °F with
// the wind in mph. Whatever units the user picked, the wind is converted into
// the unit its formula was made for, so every source gives the same value.

#include "base/speech_units.h"

namespace skycrier {

// Felt temperature of air at temperature t with mean wind `wind`, both in
// the given speech units (result in their temperature unit). The formulas are
// made for cold air; in warm air they would give more than the air itself,
// so the result is never above t.
double feltTemperature(double t, double wind, const SpeechUnits& units);

// A felt temperature means something from 5 km/h of wind on (its equivalent
// in the speech unit); below it none is shown or spoken.
bool windEnoughToFeel(double wind, const SpeechUnits& units);

}  // namespace skycrier
