#pragma once
// Rules the three history-file stations (WS-23xx, WS-28xx, Vantage Pro2) share:
// plausibility bounds, tendency classes, dew point and the
// fixed-decimal caption numbers. Values are in the speech units throughout.

#include <stdexcept>
#include <string>

#include "base/speech_units.h"

namespace skycrier {

// A poll that cannot finish (unreadable file, short file, a number that is
// not a number). Caught by the poll, which then shows "Error archivo".
class PollFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A station value that is NaN or infinite fails the poll like a read error.
double finiteOrFail(double value);

// Bounds in station units (°C, hPa, km/h, %); each check converts the bound
// like the value it limits. Both bounds are included.
namespace bounds {
inline constexpr double kTemperatureMin = -50, kTemperatureMax = 60;
inline constexpr double kPressureMin = 930, kPressureMax = 1050;
inline constexpr double kWindMin = 0, kWindMax = 199;
inline constexpr double kHumidityMin = 0, kHumidityMax = 100;
}  // namespace bounds

bool temperaturePlausible(double value, const SpeechUnits& units);
bool pressurePlausible(double value, const SpeechUnits& units);
bool windPlausible(double value, const SpeechUnits& units);
bool humidityPlausible(double value);

// Class of a pressure change over about an hour: 0 steady, 1 rising, 2 falling.
// A change of 50 hPa or more is not believed and counts as steady; only a
// change strictly beyond the threshold (hPa per hour, scaled by TendFactor) counts.
int tendencyClass(double change, double threshold, const SpeechUnits& units);
// "Tendencia: variable", "Tendencia: creciente", "Tendencia: decreciente".
std::string tendencyCaption(int tendency);

// A station's direction code (sixteen points, 0 = north) in whole degrees.
int directionDegrees(int code);

// Dew point of temperature t (speech unit) at the given relative humidity in
// percent. A negative humidity has no dew point: the poll fails.
double dewPoint(double t, double humidity, const SpeechUnits& units);

// The value with exactly the given number of decimals ("-0.0" shows as "0.0").
std::string fixed(double value, int decimals);

}  // namespace skycrier
