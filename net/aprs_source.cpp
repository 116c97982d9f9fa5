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
    timeZoneChoice = 1;
}

void AprsSource::pressKeyInInput(int key) {
    hideBrowser();
    if (key != kKeyEnter || inputLine.empty()) return;
    if (fileExists(context_.resolvePath(inputLine))) {
        poller_.clearError();
        resetCaptions("Ráfaga (");
        observationTime.caption.clear();
        meteo_.Input = inputLine;
        addressHistory.remember(inputLine);
        if (!busy) refreshNow();
        return;
    }
    if (!isWebAddress(inputLine)) {
        if (status == fetch_status::kOk)
            poller_.clearError();
        else
            poller_.setError(fetchStatusText(status));
        poller_.start();
        return;
    }
    if (!busy) refreshNow();
}

void AprsSource::takeChosenFile(const std::string& path) {
    poller_.clearError();
    resetCaptions("Ráfaga (");
    meteo_.Input = path;
    observationTime.caption.clear();
    if (fileExists(context_.resolvePath(path))) {
        inputLine = path;
        addressHistory.remember(path);
        if (!busy) refreshNow();
    } else {
        meteo_.Input.clear();
        inputLine.clear();
        context_.beep();
    }
}

void AprsSource::chooseHistoryEntry(int index) {
    const auto& items = addressHistory.Items();
    if (index < 0 || index >= static_cast<int>(items.size())) return;
    const std::string entry = items[static_cast<std::size_t>(index)];
    addressHistory.remember(entry);
    if (inputLine == entry) return;
    inputLine = entry;
    pressKeyInInput(kKeyEnter);
}

void AprsSource::chooseInput(AprsWindUnit wind, bool fahrenheit, bool hundredthsOfInch) {
    input = {wind, fahrenheit, hundredthsOfInch};
    if (!busy) refreshNow();
}

void AprsSource::openLogin() {
    if (WebBrowserVisible) {
        hideBrowser();
        return;
    }
    // Whatever was fetched before the login is not to be read as the site's answer.
    std::error_code ignored;
    std::filesystem::remove(context_.resolvePath(kWebFile), ignored);
    WebBrowserVisible = true;
}

void AprsSource::refreshNow() {
    busy = true;
    hideBrowser();
    favourites.close();
    if (inputLine != addressHistory.Text()) addressHistory.remember(inputLine);
    poller_.followPeriod();
    pollAfresh();
    busy = false;
}

void AprsSource::startAsChosen(bool keepHidden) {
    poll();
    if (!keepHidden) prepareToShow();
}

void AprsSource::poll() {
    if (!beginPoll()) return;
    for (CheckBox* box : {&boxes_.outsideTemperatureBox, &boxes_.pressureBox, &boxes_.windBox, &boxes_.gustBox, &boxes_.directionBox, &boxes_.humidityBox,
                          &boxes_.rainBox, &boxes_.feltTemperatureBox})
        box->red = false;
    if (isWebAddress(inputLine)) {
        // The user is logging in to the site: its pages are not fetched meanwhile.
        if (WebBrowserVisible) {
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
    status = fetch_status::kOk;
    fetchReport([this] {
        if (status != fetch_status::kOk) {
            if (status == cut_status::kNoReport && inputLine.find(kAprsTrackingDomain) != std::string::npos)
                context_.showError(std::string("Bitte die URL überprüfen oder ") + kAprsTrackingDomain +
                                   " anzumelden, dann aktualisieren");
        } else {
            poller_.clearError();
            resetCaptions("Ráfag a(");
            observationTime.caption.clear();
            meteo_.Input = kWebFile;
            addressHistory.remember(inputLine);
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
    for (CheckBox* box : {&boxes_.outsideTemperatureBox, &boxes_.pressureBox, &boxes_.windBox, &boxes_.gustBox, &boxes_.directionBox, &boxes_.humidityBox,
                          &boxes_.rainBox})
        box->red = false;
}

bool AprsSource::decodeAndWrite() {
    bool read = false;
    const std::string file = context_.resolvePath(meteo_.Input);
    if (!meteo_.Input.empty() && fileExists(file)) {
        if (const auto text = readText(meteo_.Input)) read = showReport(*text, lastWriteLocalTime(file));
    }
    const std::string cw = cwLine + "\r\n";
    const auto& shared = context_.sharedDataFolder;
    if (!shared.empty()) writeOutput((shared / kCwFile).string(), cw, "Unmöglich um aprs_cw zu speichern");
    writeOutput(context_.resolvePath(kCwFile), cw, "Unmöglich um aprs_cw zu speichern");
    return read;
}

bool AprsSource::showReport(std::string_view fileText, std::optional<double> fileTime) {
    const auto reading = readAprs(fileText);
    if (!reading) return false;
    const AprsShown shown = presenter().showAprs(
        *reading, {input, pressureCorrection.value(), timeZoneChoice == 0, context_.loop.utcOffsets(), fileTime},
        *this, observationTime, dewPointCaption);
    if (shown.timeZoneLocal) timeZoneChoice = 1;
    cwLine = shown.cwLine;
    return true;
}

}  // namespace skycrier
