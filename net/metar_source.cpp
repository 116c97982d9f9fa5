#include "net/metar_source.h"

#include <algorithm>

#include "net/metar_reader.h"
#include "net/url_line.h"
#include "sources/reading_presenter.h"

namespace skycrier {
namespace {

constexpr int kKeyEnter = 13;

// What the output files receive when the report file does not exist: the
// time-stamp line stays as it was, and every field of the weather line is a
// placeholder (rain too: nothing is known about it); the CW line is a blank.
constexpr std::string_view kPlaceholderWeatherLine = ".../...g...t...r...p...P...h..b.....";
constexpr std::string_view kPlaceholderCwLine = " ";

}  // namespace

MetarSource::MetarSource(SourceContext& context)
    : InternetSource(SourceKind::METAR, context,
                     {kWebFile, 200, "Descargar ...", "Favoritos METAR",
                      [](std::string_view page, std::string_view url) { return cutMetarFromHtml(page, url); },
                      kAddressHint}) {
    boxes_.rainBox.caption = "Precipitación =";
    boxes_.humidityBox.caption = "Humidad (%) =";
}

void MetarSource::pressKeyInInput(int key) {
    if (key != kKeyEnter || inputLine_.empty()) return;
    upperCaseCode();
    if (webAddressOf(inputLine_).empty()) {
        poller_.setError(fetchStatusText(status_));
        poller_.start();
        return;
    }
    if (!busy_) refreshNow();
}

std::string MetarSource::fetchedCode(const std::string& line) const {
    const std::string code = airportCodeOf(line);
    // A file of that name was read before codes were known: it still is.
    if (code.empty() || fileExists(context_.resolvePath(std::string(beforeComment(line))))) return {};
    return code;
}

std::string MetarSource::webAddressOf(const std::string& line) const {
    const std::string code = fetchedCode(line);
    if (code.empty()) return InternetSource::webAddressOf(line);
    return airportAddress(isProviderPattern(provider_) ? provider_ : kDefaultProvider, code);
}

void MetarSource::upperCaseCode() {
    const std::string code = fetchedCode(inputLine_);
    if (!code.empty()) inputLine_.replace(0, beforeComment(inputLine_).size(), code);
}

void MetarSource::inputEdited() {
    const std::string comment = urlComment(inputLine_);
    inputComment_ = comment.empty() ? kNoComment : comment;
}

void MetarSource::prepareToShow() {
    SourceWindow::prepareToShow();
    inputEdited();
}

void MetarSource::chooseHistoryEntry(int index) {
    const auto& items = addressHistory_.Items();
    if (index < 0 || index >= static_cast<int>(items.size())) return;
    const std::string& entry = items[static_cast<std::size_t>(index)];
    addressHistory_.remember(entry);
    if (inputLine_ == entry) {
        inputEdited();
        return;
    }
    inputLine_ = entry;
    inputEdited();
    if (!busy_) refreshNow();
}

void MetarSource::refreshNow() {
    busy_ = true;
    favourites_.close();
    upperCaseCode();
    if (inputLine_ != addressHistory_.Text()) addressHistory_.remember(inputLine_);
    poller_.followPeriod();
    if (!context_.loading) pollAfresh();
    busy_ = false;
}

void MetarSource::startAsChosen(bool keepHidden) {
    poll();
    if (!keepHidden) prepareToShow();
}

void MetarSource::poll() {
    if (!beginPoll()) return;
    if (webAddressOf(inputLine_).empty()) {
        takeUpLateFile();
        endPoll(decode());
        return;
    }
    fetchThenDecode();
}

void MetarSource::fetchThenDecode() {
    status_ = fetch_status::kOk;
    fetchReport([this] {
        if (status_ == fetch_status::kOk) {
            poller_.clearError();
            resetCaptions();
            observationTime_.caption.clear();
            meteo_.Input = kWebFile;
            addressHistory_.remember(inputLine_);
        }
        endPoll(decode());
    });
}

// Captions of a new input, before anything of it is decoded.
void MetarSource::resetCaptions() {
    const SpeechUnits& u = units();
    boxes_.outsideTemperatureBox.caption = "T-ext (°" + u.TempText + ") = ";
    boxes_.pressureBox.caption = "P-atm (" + u.PressText + ") = ";
    boxes_.windBox.caption = "viento (" + u.WindText + ") = ";
    boxes_.gustBox.caption = "Ráfaga (" + u.WindText + ") = ";
    boxes_.directionBox.caption = "Dirección (°) = ";
    boxes_.humidityBox.caption = "Humidad (%) =";
    boxes_.rainBox.caption = "Precipitación =";
    for (CheckBox* box : {&boxes_.outsideTemperatureBox, &boxes_.pressureBox, &boxes_.windBox, &boxes_.gustBox,
                          &boxes_.directionBox, &boxes_.humidityBox, &boxes_.rainBox})
        box->red = false;
}

bool MetarSource::decode() {
    const std::string input = context_.resolvePath(meteo_.Input);
    if (meteo_.Input.empty() || !fileExists(input)) {
        uiviewWeatherLine_ = kPlaceholderWeatherLine;
        cwLine_ = kPlaceholderCwLine;
        writeOutputs();
        return false;
    }
    const auto text = readText(meteo_.Input);
    const auto report = text ? lastNonEmptyLine(*text) : std::nullopt;
    if (!report) return false;

    showReport(*report);
    writeOutputs();
    return true;
}

void MetarSource::showReport(std::string_view report) {
    const MetarLines lines = presenter().showMetar(
        readMetar(report),
        {pressureCorrection_.value(), timeZoneChoice_ == 0, context_.loop.localNow(), context_.loop.utcOffsets()},
        *this, observationTime_, dewPointCaption_);
    airportCode_ = lines.airportCode;
    if (lines.uiviewTimeLine) uiviewTimeLine_ = *lines.uiviewTimeLine;
    uiviewWeatherLine_ = lines.uiviewWeatherLine;
    cwLine_ = lines.cwLine;
}

// The UI-View file, then the CW line, each in the program folder and in the shared data folder.
void MetarSource::writeOutputs() {
    const std::string uiview = uiviewTimeLine_ + "\r\n" + uiviewWeatherLine_ + "\r\n";
    const std::string cw = cwLine_ + "\r\n";
    const auto& shared = context_.sharedDataFolder;
    writeOutput(context_.resolvePath(kUiViewFile), uiview, "Unmöglich um metar_uiview.txt zu speichern");
    if (!shared.empty())
        writeOutput((shared / kUiViewFile).string(), uiview, "Unmöglich um metar_uiview.txt zu speichern");
    if (!shared.empty()) writeOutput((shared / kCwFile).string(), cw, "Unmöglich um metar_cw zu speichern");
    writeOutput(context_.resolvePath(kCwFile), cw, "Unmöglich um metar_cw.txt zu speichern");
}

}  // namespace skycrier
