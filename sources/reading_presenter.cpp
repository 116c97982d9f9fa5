#include "sources/reading_presenter.h"

#include <algorithm>

#include "sources/felt_temperature.h"
#include "platform/date_time.h"
#include "sources/derived_values.h"

namespace skycrier {
namespace {

constexpr double kKmhPerMs = 3.6;
constexpr double kKmhPerMph = 1.609344;
constexpr double kHpaPerInHg = 33.8582;
// The Weather Monitor II's own conversion of its barometer.
constexpr double kMonitorHpaPerInHg = 1 / 0.02953;
// Below -70 °C the console did not answer (its failure value is far below).
constexpr double kLowestInsideTemperature = -70;
// The console's direction keeps these bits.
constexpr std::int32_t kDirectionMask = 0x8FFF;

// Date and time as shown beside the data: "YYYY-MM-DD HH:MM:SS", or the
// date alone at exactly midnight, as the system's date-time text prints it.
std::string shownDateTime(double dateTime) {
    const std::string text = formatDateTime(dateTime);
    const DateTimeFields f = decodeDateTime(dateTime);
    const bool midnight = f.hour == 0 && f.minute == 0 && f.second == 0 && f.millisecond == 0;
    return midnight ? text.substr(0, 10) : text;
}

// °C of a temperature in tenths of °F.
double celsiusOfTenthsF(int tenthsF) { return (5.0 * tenthsF - 1600) / 90; }

}  // namespace

double ReadingPresenter::kmhOfMs(double ms) const { return finiteOrFail(ms) * kKmhPerMs * units_.WindFactor; }

template <class LaCrosseReading>
ReadingPresenter::Plausible ReadingPresenter::showLaCrosse(const LaCrosseReading& r, double correction,
                                                           HistorySource& w) const {
    const SpeechUnits& u = units_;
    showLatestTime(r.time, w);
    showTemperature(MeteoField::Tint, finiteOrFail(r.tempIn) * u.TempFactor + u.TempOffset, w);
    const bool text = showTemperature(MeteoField::Text, finiteOrFail(r.tempOut) * u.TempFactor + u.TempOffset, w);
    showPressureAndTendency(r.pressure, r.pressureHourBefore, correction, w);
    return {text, showWind(kmhOfMs(r.wind), w)};
}

void ReadingPresenter::showWs23(const Ws23Reading& r, double correction, HistorySource& w) const {
    const SpeechUnits& u = units_;
    const auto [textValid, ventValid] = showLaCrosse(r, correction, w);
    // The gust: the highest plausible mean wind of the newest records.
    double rafa = ventValid ? w.meteo_.Vent : 0;
    for (const double earlier : r.earlierWinds) {
        const double v = kmhOfMs(earlier);
        if (windPlausible(v, u) && v > rafa) rafa = v;
    }
    w.meteo_.Rafa = rafa;
    w.boxes_.gustBox.caption = "Ráfaga (" + u.WindText + ") = " + fixed(rafa, 0);

    showDirection(directionDegrees(r.directionCode), w);
    showHumidity(w.insideHumidityCaption_, "Humidad-int", r.humidityIn);
    w.meteo_.HumiExt = r.humidityOut;
    showHumidity(w.boxes_.humidityBox, "Humidad", w.meteo_.HumiExt);

    double pluie = -1;
    if (r.rainDayBefore) pluie = (finiteOrFail(r.rain) - finiteOrFail(*r.rainDayBefore)) * u.RainFactor;
    showRain(pluie, w);

    showFeltTemperature(windEnoughToFeel(w.meteo_.Vent, u) && ventValid && textValid, "Sensación", w);
    showDewPoint(w);
}

void ReadingPresenter::showWs28(const Ws28Reading& r, double correction, HistorySource& w) const {
    const SpeechUnits& u = units_;
    const auto [textValid, ventValid] = showLaCrosse(r, correction, w);
    showGust(kmhOfMs(r.gust), w);
    showDirection(directionDegrees(r.directionCode), w);
    showHumidity(w.insideHumidityCaption_, "Humidad-int", finiteOrFail(r.humidityIn));
    w.meteo_.HumiExt = finiteOrFail(r.humidityOut);
    showHumidity(w.boxes_.humidityBox, "Humidad", w.meteo_.HumiExt);
    showRain(finiteOrFail(r.dayRain) * u.RainFactor, w);

    showFeltTemperature(windEnoughToFeel(w.meteo_.Vent, u) && ventValid && textValid, "Sensación ", w);
    showDewPoint(w);
}

void ReadingPresenter::showPro2(const Pro2Reading& r, double correction, HistorySource& w) const {
    const SpeechUnits& u = units_;
    w.meteo_.ObservedAt = r.periodEnd;
    // The date-time text of exactly midnight has no time: the time is added.
    w.observationTime_.caption = shownDateTime(r.periodEnd);
    if (w.observationTime_.caption.size() < 11) w.observationTime_.caption += " 00:00";

    const bool textValid =
        showTemperature(MeteoField::Text, celsiusOfTenthsF(r.tempOut) * u.TempFactor + u.TempOffset, w);
    showTemperature(MeteoField::Tint, celsiusOfTenthsF(r.tempIn) * u.TempFactor + u.TempOffset, w);

    if (showPressure(r.barometer * u.PressFactor / 1000 * kHpaPerInHg + correction * u.CorrFactor, w)) {
        w.meteo_.Tend = 0;
        // With no archive record left an hour back, the caption stays as it was.
        if (!r.reachesHourBack)
            showTendency(0, w);
        else if (r.barometerHourBefore)
            showTendency(static_cast<double>(r.barometer - *r.barometerHourBefore) / 1000 * kHpaPerInHg * u.PressFactor,
                         w);
    }

    const auto kmh = [&](int tenthsMph) { return tenthsMph / 10.0 * kKmhPerMph * u.WindFactor; };
    const bool ventValid = showWind(kmh(r.wind), w);
    showGust(kmh(r.highWind), w);

    const int degrees = directionDegrees(r.directionCode);
    if (degrees < 360) {
        showDirection(degrees, w);
    } else {
        w.meteo_.Dire = -1;
        w.boxes_.directionBox.caption = "Dirección (°) = --";
    }

    showHumidity(w.insideHumidityCaption_, "Humidad-int", r.humidityIn / 10.0);
    w.meteo_.HumiExt = r.humidityOut / 10.0;
    showHumidity(w.boxes_.humidityBox, "Humidad", w.meteo_.HumiExt);
    showRain((r.clickSize ? r.rainClicks * *r.clickSize : -1) * u.RainFactor, w);

    // The gust decides whether there is wind enough; the formula takes the mean wind.
    showFeltTemperature(windEnoughToFeel(w.meteo_.Rafa, u) && ventValid && textValid, "Sensación ", w);
    showDewPoint(w);
}

double ReadingPresenter::monitorTemperature(double fahrenheit) const {
    return units_.TempFactor == 1 ? (fahrenheit - 32) * 5 / 9 : fahrenheit;
}

bool ReadingPresenter::showMonitorInside(double fahrenheit, SourceWindow& w) const {
    const SpeechUnits& u = units_;
    w.meteo_.Tint = monitorTemperature(fahrenheit);
    if (w.meteo_.Tint < kLowestInsideTemperature * u.TempFactor + u.TempOffset) return false;
    w.boxes_.insideTemperatureBox.red = !temperaturePlausible(w.meteo_.Tint, u);
    w.boxes_.insideTemperatureBox.caption = "T-int (°" + u.TempText + ")= " + fixed(w.meteo_.Tint, 1);
    return true;
}

void ReadingPresenter::showMonitorOutside(double fahrenheit, SourceWindow& w) const {
    showTemperature(MeteoField::Text, monitorTemperature(fahrenheit), w);
}

void ReadingPresenter::showMonitorBarometer(double inHg, SourceWindow& w) const {
    showPressure(units_.pressureMetric() ? inHg * kMonitorHpaPerInHg : inHg, w);
}

void ReadingPresenter::showMonitorTrend(double code, SourceWindow& w) const {
    // The console's 8-bit code is kept as it came; only the three known ones have a caption.
    const auto byte = static_cast<std::uint8_t>(code);
    w.meteo_.Tend = static_cast<std::int8_t>(byte);
    if (byte <= 2) w.boxes_.tendencyBox.caption = tendencyCaption(byte);
}

void ReadingPresenter::showMonitorWind(double mph, WindRing& ring, SourceWindow& w) const {
    const SpeechUnits& u = units_;
    // Winds kept in another unit would give a gust in the wrong one.
    if (u.WindFactor != ring.windFactor) {
        for (double& slot : ring.speeds)
            if (slot >= 0) slot = slot / ring.windFactor * u.WindFactor;
        ring.windFactor = u.WindFactor;
    }
    if (showWind(u.windMetric() ? mph * kKmhPerMph : mph, w)) {
        ring.position = ring.position % static_cast<int>(ring.speeds.size()) + 1;
        ring.speeds[static_cast<std::size_t>(ring.position - 1)] = w.meteo_.Vent;
    }
    w.meteo_.Rafa = std::max(0.0, *std::max_element(ring.speeds.begin(), ring.speeds.end()));
    w.boxes_.gustBox.caption = "Ráfaga (" + u.WindText + ") = " + fixed(w.meteo_.Rafa, 0);
}

void ReadingPresenter::showMonitorDirection(double degrees, SourceWindow& w) const {
    showDirection(static_cast<std::int32_t>(degrees) & kDirectionMask, w);
}

void ReadingPresenter::showLatestTime(double time, HistorySource& w) const {
    if (time > w.meteo_.ObservedAt) w.meteo_.ObservedAt = time;
    w.observationTime_.caption = shownDateTime(time);
}

bool ReadingPresenter::showTemperature(MeteoField field, double value, SourceWindow& w) const {
    w.meteo_.setValue(field, value);
    CheckBox& box = w.box(field);
    box.red = !temperaturePlausible(value, units_);
    box.caption = std::string(field == MeteoField::Tint ? "T-int" : "T-ext") + " (°" + units_.TempText +
                  ") = " + fixed(value, 1);
    return !box.red;
}

bool ReadingPresenter::showPressure(double patm, SourceWindow& w) const {
    w.meteo_.Patm = patm;
    w.boxes_.pressureBox.red = !pressurePlausible(patm, units_);
    w.boxes_.pressureBox.caption = "P-atm (" + units_.PressText + ") = " + fixed(patm, units_.pressureMetric() ? 1 : 2);
    return !w.boxes_.pressureBox.red;
}

void ReadingPresenter::showTendency(double change, HistorySource& w) const {
    w.meteo_.Tend = static_cast<std::int8_t>(tendencyClass(change, tendencyThreshold_, units_));
    w.boxes_.tendencyBox.caption = tendencyCaption(w.meteo_.Tend);
}

void ReadingPresenter::showPressureAndTendency(double pressure, const std::optional<double>& hourBefore,
                                               double correction, HistorySource& w) const {
    const auto corrected = [&](double hpa) {
        return finiteOrFail(hpa) * units_.PressFactor + correction * units_.CorrFactor;
    };
    if (showPressure(corrected(pressure), w)) showTendency(hourBefore ? w.meteo_.Patm - corrected(*hourBefore) : 0, w);
}

bool ReadingPresenter::showWind(double vent, SourceWindow& w) const {
    w.meteo_.Vent = vent;
    w.boxes_.windBox.red = !windPlausible(vent, units_);
    w.boxes_.windBox.caption = "Viento (" + units_.WindText + ") = " + fixed(vent, 0);
    return !w.boxes_.windBox.red;
}

void ReadingPresenter::showGust(double rafa, HistorySource& w) const {
    w.meteo_.Rafa = rafa;
    w.boxes_.gustBox.red = !windPlausible(rafa, units_);
    w.boxes_.gustBox.caption = "Ráfaga (" + units_.WindText + ") = " + fixed(rafa, 0);
}

void ReadingPresenter::showDirection(int degrees, SourceWindow& w) const {
    w.meteo_.Dire = degrees;
    w.boxes_.directionBox.caption = "Dirección (°) = " + std::to_string(degrees);
}

void ReadingPresenter::showHumidity(Caption& control, const char* label, double value) const {
    control.red = !humidityPlausible(value);
    control.caption = std::string(label) + " (%) = " + fixed(value, 0);
}

void ReadingPresenter::showRain(double pluie, HistorySource& w) const {
    const std::string label = "Lluvia/24h (" + units_.RainText + ") = ";
    if (pluie >= 0) {
        w.meteo_.Pluie = pluie;
        w.boxes_.rainBox.caption = label + fixed(pluie, units_.rainMetric() ? 1 : 2);
    } else {
        w.meteo_.Pluie = -1;
        w.boxes_.rainBox.caption = label + "--";
    }
}

void ReadingPresenter::showFeltTemperature(bool computable, const char* computedLabel, HistorySource& w) const {
    if (computable) {
        w.meteo_.TRes = feltTemperature(w.meteo_.Text, w.meteo_.Vent, units_);
        w.boxes_.feltTemperatureBox.caption =
            std::string(computedLabel) + "(°" + units_.TempText + ") = " + fixed(w.meteo_.TRes, 1);
    } else {
        w.meteo_.TRes = -200;
        w.boxes_.feltTemperatureBox.caption = "Sensación (°" + units_.TempText + ") = --";
    }
}

void ReadingPresenter::showDewPoint(HistorySource& w) const {
    const std::string label = "Punto de rocio (°" + units_.TempText + ") = ";
    if (w.boxes_.outsideTemperatureBox.red)
        w.dewPointCaption_.caption = label + "--";
    else
        w.dewPointCaption_.caption = label + fixed(dewPoint(w.meteo_.Text, w.meteo_.HumiExt, units_), 1);
}

}  // namespace skycrier
