#include "net/aprs_source.h"

#include <filesystem>

#include "net/aprs_reader.h"
#include "net/url_line.h"
#include "platform/regular_file.h"
#include "sources/reading_presenter.h"

namespace skycrier {
namespace {

constexpr int kKeyEnter = 13;

}  // namespace

AprsSource::AprsSource(SourceContext& context)
    : InternetSource(SourceKind::APRS, context,
                     {kWebFile, 100, "Descargar", "Favoritos APRS",
                      [](std::string_view page, std::string_view) { return cutAprsFromHtml(page); }}) {
    boxes_.feltTemperatureBox.caption = "Escalofríos (°C) =";
    // APRS weather reports carry local time unless the user says otherwise.
    timeZoneChoice_ = 1;
}

void AprsSource::pressKeyInInput(int key) {
    hideBrowser();
    if (key != kKeyEnter || inputLine_.empty()) return;
    if (fileExists(context_.resolvePath(inputLine_))) {
        poller_.clearError();
        resetCaptions("Ráfaga (");
        observationTime_.caption.clear();
        meteo_.Input = inputLine_;
        addressHistory_.remember(inputLine_);
        if (!busy_) refreshNow();
        return;
    }
    if (!isWebAddress(inputLine_)) {
        if (status_ == fetch_status::kOk)
            poller_.clearError();
        else
            poller_.setError(fetchStatusText(status_));
        poller_.start();
        return;
    }
    if (!busy_) refreshNow();
}

void AprsSource::takeChosenFile(const std::string& path) {
    poller_.clearError();
    resetCaptions("Ráfaga (");
    meteo_.Input = path;
    observationTime_.caption.clear();
    if (fileExists(context_.resolvePath(path))) {
        inputLine_ = path;
        addressHistory_.remember(path);
        if (!busy_) refreshNow();
    } else {
        meteo_.Input.clear();
        inputLine_.clear();
        context_.beep();
    }
}

void AprsSource::chooseHistoryEntry(int index) {
    const auto& items = addressHistory_.Items();
    if (index < 0 || index >= static_cast<int>(items.size())) return;
    const std::string entry = items[static_cast<std::size_t>(index)];
    addressHistory_.remember(entry);
    if (inputLine_ == entry) return;
    inputLine_ = entry;
    pressKeyInInput(kKeyEnter);
}

void AprsSource::chooseInput(AprsWindUnit wind, bool fahrenheit, bool hundredthsOfInch) {
    inputUnits_ = {wind, fahrenheit, hundredthsOfInch};
    if (!busy_) refreshNow();
}

void AprsSource::openLogin() {
    if (browserVisible_) {
        hideBrowser();
        return;
    }
    // Whatever was fetched before the login is not to be read as the site's answer.
    std::error_code ignored;
    std::filesystem::remove(context_.resolvePath(kWebFile), ignored);
    browserVisible_ = true;
}

void AprsSource::refreshNow() {
    busy_ = true;
    hideBrowser();
    favourites_.close();
    if (inputLine_ != addressHistory_.Text()) addressHistory_.remember(inputLine_);
    poller_.followPeriod();
    pollAfresh();
    busy_ = false;
}

void AprsSource::startAsChosen(bool keepHidden) {
    poll();
    if (!keepHidden) prepareToShow();
}

void AprsSource::poll() {
    if (!beginPoll()) return;
    for (CheckBox* box : {&boxes_.outsideTemperatureBox, &boxes_.pressureBox, &boxes_.windBox, &boxes_.gustBox,
                          &boxes_.directionBox, &boxes_.humidityBox, &boxes_.rainBox, &boxes_.feltTemperatureBox})
        box->red = false;
    if (isWebAddress(inputLine_)) {
        // The user is logging in to the site: its pages are not fetched meanwhile.
        if (browserVisible_) {
            endPoll(false);
            return;
        }
        fetchThenDecode();
        return;
    }
    takeUpLateFile();
    endPoll(decodeAndWrite());
}

void AprsSource::fetchThenDecode() {
    status_ = fetch_status::kOk;
    fetchReport([this] {
        if (status_ != fetch_status::kOk) {
            if (status_ == cut_status::kNoReport && inputLine_.find(kAprsTrackingDomain) != std::string::npos)
                context_.showError(std::string("Bitte die URL überprüfen oder ") + kAprsTrackingDomain +
                                   " anzumelden, dann aktualisieren");
        } else {
            poller_.clearError();
            resetCaptions("Ráfag a(");
            observationTime_.caption.clear();
            meteo_.Input = kWebFile;
            addressHistory_.remember(inputLine_);
        }
        endPoll(decodeAndWrite());
    });
}

// Captions of a new input, before anything of it is decoded.
void AprsSource::resetCaptions(const char* gustCaption) {
    const SpeechUnits& u = units();
    boxes_.outsideTemperatureBox.caption = "T-ext (°" + u.TempText + ") = ";
    boxes_.pressureBox.caption = "P-atm (" + u.PressText + ") = ";
    boxes_.windBox.caption = "Viento (" + u.WindText + ") = ";
    boxes_.gustBox.caption = gustCaption + u.WindText + ") = ";
    boxes_.directionBox.caption = "Dirección (°) = ";
    boxes_.humidityBox.caption = "Humidad (%) =";
    boxes_.rainBox.caption = "Lluvia/24h (" + u.RainText + ") =";
    for (CheckBox* box : {&boxes_.outsideTemperatureBox, &boxes_.pressureBox, &boxes_.windBox, &boxes_.gustBox,
                          &boxes_.directionBox, &boxes_.humidityBox, &boxes_.rainBox})
        box->red = false;
}

bool AprsSource::decodeAndWrite() {
    bool read = false;
    const std::string file = context_.resolvePath(meteo_.Input);
    if (!meteo_.Input.empty() && fileExists(file)) {
        if (const auto text = readText(meteo_.Input)) read = showReport(*text, lastWriteLocalTime(file));
    }
    const std::string cw = cwLine_ + "\r\n";
    const auto& shared = context_.sharedDataFolder;
    if (!shared.empty()) writeOutput((shared / kCwFile).string(), cw, "Unmöglich um aprs_cw zu speichern");
    writeOutput(context_.resolvePath(kCwFile), cw, "Unmöglich um aprs_cw zu speichern");
    return read;
}

bool AprsSource::showReport(std::string_view fileText, std::optional<double> fileTime) {
    const auto reading = readAprs(fileText);
    if (!reading) return false;
    const AprsShown shown = presenter().showAprs(
        *reading,
        {inputUnits_, pressureCorrection_.value(), timeZoneChoice_ == 0, context_.loop.utcOffsets(), fileTime}, *this,
        observationTime_, dewPointCaption_);
    if (shown.timeZoneLocal) timeZoneChoice_ = 1;
    cwLine_ = shown.cwLine;
    return true;
}

}  // namespace skycrier
