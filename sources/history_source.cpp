#include "sources/history_source.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <filesystem>

#include "base/felt_temperature.h"
#include "platform/date_time.h"
#include "sources/derived_values.h"

namespace skycrier {

HistorySource::HistorySource(SourceKind kind, SourceContext& context, int maximumThreshold)
    : SourceWindow(kind, context), tendencyThreshold(4, 1, maximumThreshold) {}

void HistorySource::poll() {
    pollTimer.stop();
    const SpeechUnits& u = context_.units;
    pressureUnit.caption = u.pressureMetric() ? "hPa" : "0.01*inHg";
    tendencyUnit.caption = u.pressureMetric() ? "0.1*mB/h" : "0.01*inHg";
    const double correction = pressureCorrection.value();
    bool read = false;
    if (fileExists(filePath())) {
        try {
            readStation(correction);
            meteo.ErrorText.clear();
            read = true;
        } catch (const std::exception&) {
            failPoll();
        }
    }
    pollTimer.start();
    pollFinished.emit(read);
}

void HistorySource::startAsChosen(bool keepHidden) {
    poll();
    if (!keepHidden) prepareToShow();
}

void HistorySource::prepareToShow() {
    SourceWindow::prepareToShow();
    if (!inputLine.empty()) inputSelected = true;
}

void HistorySource::takeChosenFile(const std::string& chosen) {
    resetCaptions();
    setPath(chosen);
    observationTime.caption.clear();
    if (fileExists(context_.resolvePath(chosen))) {
        inputSelected = true;
        meteo.ErrorText.clear();
        // Another file is another series of observations: its own times count.
        meteo.ObservedAt = 0;
        refreshNow();
    } else {
        setPath("");
        failPoll();
    }
}

bool HistorySource::loadDataFile(const std::string& file) {
    setPath(file);
    if (fileExists(context_.resolvePath(file))) return true;
    meteo.ErrorText = kErrorMissingFile;
    return false;
}

void HistorySource::applyTendencyThreshold() { context_.TendencyThreshold = tendencyThreshold.value() * 0.1; }

void HistorySource::setPath(const std::string& file) {
    meteo.Input = file;
    inputLine = file;
}

void HistorySource::failPoll() {
    context_.beep();
    meteo.ErrorText = kErrorFile;
}

std::string HistorySource::shownDateTime(double dateTime) {
    const std::string text = formatDateTime(dateTime);
    const DateTimeFields f = decodeDateTime(dateTime);
    const bool midnight = f.hour == 0 && f.minute == 0 && f.second == 0 && f.millisecond == 0;
    return midnight ? text.substr(0, 10) : text;
}

bool HistorySource::showTemperature(MeteoField field, double value) {
    const SpeechUnits& u = context_.units;
    meteo.setValue(field, value);
    CheckBox& box = checkBox(field);
    box.red = !temperaturePlausible(value, u);
    box.caption =
        std::string(field == MeteoField::Tint ? "T-int" : "T-ext") + " (°" + u.TempText + ") = " + fixed(value, 1);
    return !box.red;
}

bool HistorySource::showPressure(double patm) {
    const SpeechUnits& u = context_.units;
    meteo.Patm = patm;
    pressureBox.red = !pressurePlausible(patm, u);
    pressureBox.caption = "P-atm (" + u.PressText + ") = " + fixed(patm, u.pressureMetric() ? 1 : 2);
    return !pressureBox.red;
}

void HistorySource::showTendency(double change) {
    meteo.Tend = static_cast<std::int8_t>(tendencyClass(change, context_.TendencyThreshold, context_.units));
    tendencyBox.caption = tendencyCaption(meteo.Tend);
}

void HistorySource::showSpacedTendency(std::int64_t b, double spacing,
                                       const std::function<double(std::int64_t)>& pressureOf) {
    if (spacing > 0)
        showTendency(meteo.Patm - pressureOf(std::max<std::int64_t>(recordBefore(b, 1.0 / 24, spacing), 1)));
    else
        showTendency(0);
}

std::int64_t HistorySource::recordBefore(std::int64_t b, double spanDays, double spacing) {
    const double k = std::trunc(static_cast<double>(b) - spanDays / spacing);
    return k < 1 ? 0 : static_cast<std::int64_t>(k);
}

bool HistorySource::showWind(double vent) {
    const SpeechUnits& u = context_.units;
    meteo.Vent = vent;
    windBox.red = !windPlausible(vent, u);
    windBox.caption = "Viento (" + u.WindText + ") = " + fixed(vent, 0);
    return !windBox.red;
}

void HistorySource::showDirection(int degrees) {
    meteo.Dire = degrees;
    directionBox.caption = "Dirección (°) = " + std::to_string(degrees);
}

void HistorySource::showHumidity(Caption& control, const char* label, double value) {
    control.red = !humidityPlausible(value);
    control.caption = std::string(label) + " (%) = " + fixed(value, 0);
}

void HistorySource::showRain(double pluie) {
    const SpeechUnits& u = context_.units;
    const std::string label = "Lluvia/24h (" + u.RainText + ") = ";
    if (pluie >= 0) {
        meteo.Pluie = pluie;
        rainBox.caption = label + fixed(pluie, u.rainMetric() ? 1 : 2);
    } else {
        meteo.Pluie = -1;
        rainBox.caption = label + "--";
    }
}

void HistorySource::showFeltTemperature(bool computable, const char* computedLabel) {
    const SpeechUnits& u = context_.units;
    if (computable) {
        meteo.TRes = feltTemperature(meteo.Text, meteo.Vent, u);
        feltTemperatureBox.caption = std::string(computedLabel) + "(°" + u.TempText + ") = " + fixed(meteo.TRes, 1);
    } else {
        meteo.TRes = -200;
        feltTemperatureBox.caption = "Sensación (°" + u.TempText + ") = --";
    }
}

void HistorySource::showDewPoint() {
    const std::string label = "Punto de rocio (°" + context_.units.TempText + ") = ";
    if (outsideTemperatureBox.red)
        dewPointCaption.caption = label + "--";
    else
        dewPointCaption.caption = label + fixed(dewPoint(meteo.Text, meteo.HumiExt, context_.units), 1);
}

void HistorySource::resetCaptionsInUnits(const char* rainEnd) {
    const SpeechUnits& u = context_.units;
    for (CheckBox* box : {&insideTemperatureBox, &outsideTemperatureBox, &pressureBox, &windBox, &gustBox, &feltTemperatureBox})
        box->red = false;
    insideTemperatureBox.caption = "T-int (°" + u.TempText + ") = ";
    outsideTemperatureBox.caption = "T-ext (°" + u.TempText + ") = ";
    pressureBox.caption = "P-atm (" + u.PressText + ") = ";
    tendencyBox.caption = "Tendencia = ";
    windBox.caption = "Viento (" + u.WindText + ") = ";
    gustBox.caption = "Ráfaga (" + u.WindText + ") = ";
    directionBox.caption = "Dirección (°) = ";
    humidityBox.caption = "Humidad (%) = ";
    rainBox.caption = "Lluvia/24h (" + u.RainText + ") " + rainEnd;
}

}  // namespace skycrier
