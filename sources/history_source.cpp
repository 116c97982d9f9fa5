#include "sources/history_source.h"

#include <exception>

namespace skycrier {

HistorySource::HistorySource(SourceKind kind, SourceContext& context, int maximumThreshold)
    : SourceWindow(kind, context), tendencyThreshold_(4, 1, maximumThreshold) {}

void HistorySource::poll() {
    if (!poller_.begin()) return;
    const SpeechUnits& u = context_.units;
    pressureUnit_.caption = u.pressureMetric() ? "hPa" : "0.01*inHg";
    tendencyUnit_.caption = u.pressureMetric() ? "0.1*mB/h" : "0.01*inHg";
    const double correction = pressureCorrection_.value();
    bool read = false;
    if (fileExists(filePath())) {
        try {
            readStation(correction);
            poller_.clearError();
            read = true;
        } catch (const std::exception&) {
            failPoll();
        }
    }
    poller_.finish(read, false);
}

void HistorySource::startAsChosen(bool keepHidden) {
    poll();
    if (!keepHidden) prepareToShow();
}

void HistorySource::prepareToShow() {
    SourceWindow::prepareToShow();
    if (!inputLine_.empty()) inputSelected_ = true;
}

void HistorySource::takeChosenFile(const std::string& chosen) {
    resetCaptions();
    setPath(chosen);
    observationTime_.caption.clear();
    if (fileExists(context_.resolvePath(chosen))) {
        inputSelected_ = true;
        poller_.clearError();
        // Another file is another series of observations: its own times count.
        meteo_.ObservedAt = 0;
        refreshNow();
    } else {
        setPath("");
        failPoll();
    }
}

bool HistorySource::loadDataFile(const std::string& file) {
    setPath(file);
    if (fileExists(context_.resolvePath(file))) return true;
    poller_.setError(kErrorMissingFile);
    return false;
}

void HistorySource::setTendencyThreshold(int tenths) {
    tendencyThreshold_.setValue(tenths);
    context_.TendencyThreshold = tendencyThreshold_.value() * 0.1;
}

void HistorySource::setPath(const std::string& file) {
    meteo_.Input = file;
    inputLine_ = file;
}

void HistorySource::failPoll() {
    context_.beep();
    poller_.setError(kErrorFile);
}

void HistorySource::resetCaptionsInUnits(const char* rainEnd) {
    const SpeechUnits& u = context_.units;
    for (CheckBox* box : {&boxes_.insideTemperatureBox, &boxes_.outsideTemperatureBox, &boxes_.pressureBox,
                          &boxes_.windBox, &boxes_.gustBox, &boxes_.feltTemperatureBox})
        box->red = false;
    boxes_.insideTemperatureBox.caption = "T-int (°" + u.TempText + ") = ";
    boxes_.outsideTemperatureBox.caption = "T-ext (°" + u.TempText + ") = ";
    boxes_.pressureBox.caption = "P-atm (" + u.PressText + ") = ";
    boxes_.tendencyBox.caption = "Tendencia = ";
    boxes_.windBox.caption = "Viento (" + u.WindText + ") = ";
    boxes_.gustBox.caption = "Ráfaga (" + u.WindText + ") = ";
    boxes_.directionBox.caption = "Dirección (°) = ";
    boxes_.humidityBox.caption = "Humidad (%) = ";
    boxes_.rainBox.caption = "Lluvia/24h (" + u.RainText + ") " + rainEnd;
}

}  // namespace skycrier
