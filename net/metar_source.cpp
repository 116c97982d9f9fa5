#include "net/metar_source.h"

#include <algorithm>

#include "net/metar_decoder.h"
#include "net/url_line.h"

namespace skycrier {
namespace {

constexpr int kKeyEnter = 13;

}  // namespace

TFormMeteoMETAR::TFormMeteoMETAR(SourceContext& context)
    : InternetSource(SourceKind::METAR, context,
                     {kWebFile, 200, "Descargar ...", "Favoritos METAR",
                      [](std::string_view page, std::string_view url) { return cutMetarFromHtml(page, url); },
                      kAddressHint}) {
    CheckBoxPluie.caption = "Precipitación =";
    CheckBoxHumiExt.caption = "Humidad (%) =";
}

void TFormMeteoMETAR::EditDatKeyPress(int key) {
    if (key != kKeyEnter || EditDat.empty()) return;
    upperCaseCode();
    if (webAddressOf(EditDat).empty()) {
        meteo.ErrorText = fetchStatusText(status);
        TimerMeteo.start();
        return;
    }
    if (!busy) ButtonRafraichirClick();
}

std::string TFormMeteoMETAR::fetchedCode(const std::string& line) const {
    const std::string code = airportCodeOf(line);
    // A file of that name was read before codes were known: it still is.
    if (code.empty() || fileExists(context_.resolvePath(std::string(beforeComment(line))))) return {};
    return code;
}

std::string TFormMeteoMETAR::webAddressOf(const std::string& line) const {
    const std::string code = fetchedCode(line);
    if (code.empty()) return InternetSource::webAddressOf(line);
    return airportAddress(isProviderPattern(provider) ? provider : kDefaultProvider, code);
}

void TFormMeteoMETAR::upperCaseCode() {
    const std::string code = fetchedCode(EditDat);
    if (!code.empty()) EditDat.replace(0, beforeComment(EditDat).size(), code);
}

void TFormMeteoMETAR::EditDatChange() {
    const std::string comment = urlComment(EditDat);
    LabelNomICAO = comment.empty() ? kNoComment : comment;
}

void TFormMeteoMETAR::FormShow() {
    SourceWindow::FormShow();
    EditDatChange();
}

void TFormMeteoMETAR::ComboBoxPathChange(int index) {
    const auto& items = ComboBoxPath.Items();
    if (index < 0 || index >= static_cast<int>(items.size())) return;
    const std::string& entry = items[static_cast<std::size_t>(index)];
    ComboBoxPath.RememberUrl(entry);
    if (EditDat == entry) {
        EditDatChange();
        return;
    }
    EditDat = entry;
    EditDatChange();
    if (!busy) ButtonRafraichirClick();
}

void TFormMeteoMETAR::ButtonRafraichirClick() {
    busy = true;
    FormFav.visible = false;
    upperCaseCode();
    if (EditDat != ComboBoxPath.Text()) ComboBoxPath.RememberUrl(EditDat);
    followPollPeriod();
    if (!context_.loading) pollAfresh();
    busy = false;
}

void TFormMeteoMETAR::startAsChosen(bool keepHidden) {
    TimerMeteoTimer();
    if (!keepHidden) FormShow();
}

void TFormMeteoMETAR::TimerMeteoTimer() {
    if (polling()) return;
    beginPoll();
    if (webAddressOf(EditDat).empty()) {
        takeUpLateFile();
        endPoll(decode());
        return;
    }
    fetchThenDecode();
}

void TFormMeteoMETAR::fetchThenDecode() {
    status = fetch_status::kOk;
    fetchReport([this] {
        if (status == fetch_status::kOk) {
            meteo.ErrorText.clear();
            resetCaptions();
            Editdatemeteo.caption.clear();
            meteo.Input = kWebFile;
            ComboBoxPath.RememberUrl(EditDat);
        }
        endPoll(decode());
    });
}

// Captions of a new input, before anything of it is decoded.
void TFormMeteoMETAR::resetCaptions() {
    const SpeechUnits& u = units();
    CheckBoxText.caption = "T-ext (°" + u.TempText + ") = ";
    CheckBoxPatm.caption = "P-atm (" + u.PressText + ") = ";
    CheckBoxVent.caption = "viento (" + u.WindText + ") = ";
    CheckBoxRafa.caption = "Ráfaga (" + u.WindText + ") = ";
    CheckBoxDire.caption = "Dirección (°) = ";
    CheckBoxHumiExt.caption = "Humidad (%) =";
    CheckBoxPluie.caption = "Precipitación =";
    for (CheckBox* box : {&CheckBoxText, &CheckBoxPatm, &CheckBoxVent, &CheckBoxRafa, &CheckBoxDire, &CheckBoxHumiExt,
                          &CheckBoxPluie})
        box->red = false;
}

bool TFormMeteoMETAR::decode() {
    const std::string input = context_.resolvePath(meteo.Input);
    if (meteo.Input.empty() || !fileExists(input)) {
        uiviewWeatherLine = kMetarPlaceholderWeatherLine;
        cwLine = kMetarPlaceholderCwLine;
        writeOutputs();
        return false;
    }
    const auto text = readText(meteo.Input);
    const auto report = text ? lastNonEmptyLine(*text) : std::nullopt;
    if (!report) return false;

    const MetarDecode d =
        decodeMetar(*report, {units(), SpinEditOffSetPression.value(), ComboBoxTU == 0, context_.loop.localNow(),
                              context_.loop.utcOffsets(), CheckBoxPluie.caption});
    showItems(d);
    meteo.Phenomena = d.Phenomena;
    if (d.ObservedAt) meteo.ObservedAt = *d.ObservedAt;
    LabelICAO = d.LabelICAO;
    if (d.Editdatemeteo) Editdatemeteo.caption = *d.Editdatemeteo;
    if (d.uiviewTimeLine) uiviewTimeLine = *d.uiviewTimeLine;
    uiviewWeatherLine = d.uiviewWeatherLine;
    cwLine = d.cwLine;
    writeOutputs();
    return true;
}

// The UI-View file, then the CW line, each in the program folder and in the shared data folder.
void TFormMeteoMETAR::writeOutputs() {
    const std::string uiview = uiviewTimeLine + "\r\n" + uiviewWeatherLine + "\r\n";
    const std::string cw = cwLine + "\r\n";
    const auto& shared = context_.sharedDataFolder;
    writeOutput(context_.resolvePath(kUiViewFile), uiview, "Unmöglich um metar_uiview.txt zu speichern");
    if (!shared.empty())
        writeOutput((shared / kUiViewFile).string(), uiview, "Unmöglich um metar_uiview.txt zu speichern");
    if (!shared.empty()) writeOutput((shared / kCwFile).string(), cw, "Unmöglich um metar_cw zu speichern");
    writeOutput(context_.resolvePath(kCwFile), cw, "Unmöglich um metar_cw.txt zu speichern");
}

}  // namespace skycrier
