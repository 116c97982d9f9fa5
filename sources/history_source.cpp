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
    : SourceWindow(kind, context), SpinEditSeuiltendance(4, 1, maximumThreshold) {}

void HistorySource::TimerMeteoTimer() {
    TimerMeteo.stop();
    const SpeechUnits& u = context_.units;
    Label6.caption = u.pressureMetric() ? "hPa" : "0.01*inHg";
    Label9.caption = u.pressureMetric() ? "0.1*mB/h" : "0.01*inHg";
    const double correction = SpinEditOffSetPression.value();
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
    TimerMeteo.start();
    pollFinished.emit(read);
}

void HistorySource::startAsChosen(bool keepHidden) {
    TimerMeteoTimer();
    if (!keepHidden) FormShow();
}

void HistorySource::FormShow() {
    SourceWindow::FormShow();
    if (!EditDat.empty()) EditDatSelected = true;
}

void HistorySource::ButtonParcourirClick(const std::string& chosen) {
    resetCaptions();
    setPath(chosen);
    Editdatemeteo.caption.clear();
    if (fileExists(context_.resolvePath(chosen))) {
        EditDatSelected = true;
        meteo.ErrorText.clear();
        // Another file is another series of observations: its own times count.
        meteo.ObservedAt = 0;
        ButtonRafraichirClick();
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

void HistorySource::SpinEditSeuiltendanceChange() { context_.TendencyThreshold = SpinEditSeuiltendance.value() * 0.1; }

void HistorySource::setPath(const std::string& file) {
    meteo.Input = file;
    EditDat = file;
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
    CheckBoxPatm.red = !pressurePlausible(patm, u);
    CheckBoxPatm.caption = "P-atm (" + u.PressText + ") = " + fixed(patm, u.pressureMetric() ? 1 : 2);
    return !CheckBoxPatm.red;
}

void HistorySource::showTendency(double change) {
    meteo.Tend = static_cast<std::int8_t>(tendencyClass(change, context_.TendencyThreshold, context_.units));
    CheckBoxTend.caption = tendencyCaption(meteo.Tend);
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
    CheckBoxVent.red = !windPlausible(vent, u);
    CheckBoxVent.caption = "Viento (" + u.WindText + ") = " + fixed(vent, 0);
    return !CheckBoxVent.red;
}

void HistorySource::showDirection(int degrees) {
    meteo.Dire = degrees;
    CheckBoxDire.caption = "Dirección (°) = " + std::to_string(degrees);
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
        CheckBoxPluie.caption = label + fixed(pluie, u.rainMetric() ? 1 : 2);
    } else {
        meteo.Pluie = -1;
        CheckBoxPluie.caption = label + "--";
    }
}

void HistorySource::showFeltTemperature(bool computable, const char* computedLabel) {
    const SpeechUnits& u = context_.units;
    if (computable) {
        meteo.TRes = feltTemperature(meteo.Text, meteo.Vent, u);
        CheckBoxTRes.caption = std::string(computedLabel) + "(°" + u.TempText + ") = " + fixed(meteo.TRes, 1);
    } else {
        meteo.TRes = -200;
        CheckBoxTRes.caption = "Sensación (°" + u.TempText + ") = --";
    }
}

void HistorySource::showDewPoint() {
    const std::string label = "Punto de rocio (°" + context_.units.TempText + ") = ";
    if (CheckBoxText.red)
        LabelTros.caption = label + "--";
    else
        LabelTros.caption = label + fixed(dewPoint(meteo.Text, meteo.HumiExt, context_.units), 1);
}

void HistorySource::resetCaptionsInUnits(const char* rainEnd) {
    const SpeechUnits& u = context_.units;
    for (CheckBox* box : {&CheckBoxTint, &CheckBoxText, &CheckBoxPatm, &CheckBoxVent, &CheckBoxRafa, &CheckBoxTRes})
        box->red = false;
    CheckBoxTint.caption = "T-int (°" + u.TempText + ") = ";
    CheckBoxText.caption = "T-ext (°" + u.TempText + ") = ";
    CheckBoxPatm.caption = "P-atm (" + u.PressText + ") = ";
    CheckBoxTend.caption = "Tendencia = ";
    CheckBoxVent.caption = "Viento (" + u.WindText + ") = ";
    CheckBoxRafa.caption = "Ráfaga (" + u.WindText + ") = ";
    CheckBoxDire.caption = "Dirección (°) = ";
    CheckBoxHumiExt.caption = "Humidad (%) = ";
    CheckBoxPluie.caption = "Lluvia/24h (" + u.RainText + ") " + rainEnd;
}

}  // namespace skycrier
