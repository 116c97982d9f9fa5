#include "base/speech_units.h"

namespace skycrier {

void SpeechUnits::setTemperatureMetric(bool celsius) {
    TempText = celsius ? "C" : "F";
    TempFactor = celsius ? 1 : 1.8;
    TempOffset = celsius ? 0 : 32;
}

void SpeechUnits::setPressureMetric(bool hectopascal) {
    PressText = hectopascal ? "hPa" : "inHg";
    PressFactor = hectopascal ? 1 : 0.02953;
    CorrFactor = hectopascal ? 1 : 0.01;
    TendFactor = hectopascal ? 1 : 0.01;
}

void SpeechUnits::setWindMetric(bool kmh) {
    WindText = kmh ? "km/h" : "mph";
    WindFactor = kmh ? 1 : kMphPerKmh;
}

void SpeechUnits::setRainMetric(bool mm) {
    RainText = mm ? "mm" : "inch";
    RainFactor = mm ? 1 : 0.03937;
}

}  // namespace skycrier
