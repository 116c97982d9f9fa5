#include "sources/felt_temperature.h"

#include <algorithm>
#include <cmath>

namespace skycrier {
namespace {

// Below this wind (km/h) a felt temperature means nothing.
constexpr double kFeltWindMinimum = 5;

double canadaCelsius(double celsius, double kmh) {
    return 13.12 + 0.6215 * celsius + (0.3965 * celsius - 11.37) * std::pow(kmh, 0.16);
}

double nwsFahrenheit(double fahrenheit, double mph) {
    return 35.74 + 0.6215 * fahrenheit + (0.4275 * fahrenheit - 35.75) * std::pow(mph, 0.16);
}

}  // namespace

double feltTemperature(double t, double wind, const SpeechUnits& u) {
    const double felt = u.temperatureMetric()
                            ? canadaCelsius(t, u.windMetric() ? wind : wind / u.WindFactor)
                            : nwsFahrenheit(t, u.windMetric() ? wind * kMphPerKmh : wind);
    return std::min(felt, t);
}

bool windEnoughToFeel(double wind, const SpeechUnits& u) { return wind >= kFeltWindMinimum * u.WindFactor; }

}  // namespace skycrier
