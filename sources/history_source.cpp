#include "sources/history_source.h"

#include <exception>

namespace skycrier {

HistorySource::HistorySource(SourceKind kind, SourceContext& context, int maximumThreshold)
    : SourceWindow(kind, context), tendencyThreshold(4, 1, maximumThreshold) {}

void HistorySource::poll() {
    if (!poller.begin()) return;
    const SpeechUnits& u = context_.units;
    pressureUnit.caption = u.pressureMetric() ? "hPa" : "0.01*inHg";
    tendencyUnit.caption = u.pressureMetric() ? "0.1*mB/h" : "0.01*inHg";
    const double correction = pressureCorrection.value();
    bool read = false;
    if (fileExists(filePath())) {
        try {
            readStation(correction);
            poller.clearError();
            read = true;
        } catch (const std::exception&) {
            failPoll();
        }
    }
    poller.finish(read, false);
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
        poller.clearError();
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
    poller.setError(kErrorMissingFile);
    return false;
}

void HistorySource::applyTendencyThreshold() { context_.TendencyThreshold = tendencyThreshold.value() * 0.1; }

void HistorySource::setPath(const std::string& file) {
    meteo.Input = file;
    inputLine = file;
}

void HistorySource::failPoll() {
    context_.beep();
    poller.setError(kErrorFile);
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
