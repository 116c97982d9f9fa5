#include "net/aprs_source.h"

#include <filesystem>

#include "net/url_line.h"
#include "platform/regular_file.h"

namespace skycrier {
namespace {

constexpr int kKeyEnter = 13;

}  // namespace

TFormMeteoAPRS::TFormMeteoAPRS(SourceContext& context)
    : InternetSource(SourceKind::APRS, context,
                     {kWebFile, 100, "Descargar", "Favoritos APRS",
                      [](std::string_view page, std::string_view) { return cutAprsFromHtml(page); }}) {
    CheckBoxTRes.caption = "Escalofríos (°C) =";
    // APRS weather reports carry local time unless the user says otherwise.
    ComboBoxTU = 1;
}

void TFormMeteoAPRS::EditDatKeyPress(int key) {
    hideBrowser();
    if (key != kKeyEnter || EditDat.empty()) return;
    if (fileExists(context_.resolvePath(EditDat))) {
        meteo.ErrorText.clear();
        resetCaptions("Ráfaga (");
        Editdatemeteo.caption.clear();
        meteo.Input = EditDat;
        ComboBoxPath.RememberUrl(EditDat);
        if (!busy) ButtonRafraichirClick();
        return;
    }
    if (!isWebAddress(EditDat)) {
        if (status == fetch_status::kOk)
            meteo.ErrorText.clear();
        else
            meteo.ErrorText = fetchStatusText(status);
        TimerMeteo.start();
        return;
    }
    if (!busy) ButtonRafraichirClick();
}

void TFormMeteoAPRS::ButtonParcourirClick(const std::string& path) {
    meteo.ErrorText.clear();
    resetCaptions("Ráfaga (");
    meteo.Input = path;
    Editdatemeteo.caption.clear();
    if (fileExists(context_.resolvePath(path))) {
        EditDat = path;
        ComboBoxPath.RememberUrl(path);
        if (!busy) ButtonRafraichirClick();
    } else {
        meteo.Input.clear();
        EditDat.clear();
        context_.beep();
    }
}

void TFormMeteoAPRS::ComboBoxPathChange(int index) {
    const auto& items = ComboBoxPath.Items();
    if (index < 0 || index >= static_cast<int>(items.size())) return;
    const std::string entry = items[static_cast<std::size_t>(index)];
    ComboBoxPath.RememberUrl(entry);
    if (EditDat == entry) return;
    EditDat = entry;
    EditDatKeyPress(kKeyEnter);
}

void TFormMeteoAPRS::chooseInput(AprsWindUnit wind, bool fahrenheit, bool hundredthsOfInch) {
    input = {wind, fahrenheit, hundredthsOfInch};
    if (!busy) ButtonRafraichirClick();
}

void TFormMeteoAPRS::ButtonLoginClick() {
    if (WebBrowserVisible) {
        hideBrowser();
        return;
    }
    // Whatever was fetched before the login is not to be read as the site's answer.
    std::error_code ignored;
    std::filesystem::remove(context_.resolvePath(kWebFile), ignored);
    WebBrowserVisible = true;
}

void TFormMeteoAPRS::ButtonRafraichirClick() {
    busy = true;
    hideBrowser();
    FormFav.visible = false;
    if (EditDat != ComboBoxPath.Text()) ComboBoxPath.RememberUrl(EditDat);
    followPollPeriod();
    pollAfresh();
    busy = false;
}

void TFormMeteoAPRS::startAsChosen(bool keepHidden) {
    TimerMeteoTimer();
    if (!keepHidden) FormShow();
}

void TFormMeteoAPRS::TimerMeteoTimer() {
    if (polling()) return;
    for (CheckBox* box : {&CheckBoxText, &CheckBoxPatm, &CheckBoxVent, &CheckBoxRafa, &CheckBoxDire, &CheckBoxHumiExt,
                          &CheckBoxPluie, &CheckBoxTRes})
        box->red = false;
    beginPoll();
    if (isWebAddress(EditDat)) {
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

void TFormMeteoAPRS::fetchThenDecode() {
    status = fetch_status::kOk;
    fetchReport([this] {
        if (status != fetch_status::kOk) {
            if (status == cut_status::kNoReport && EditDat.find(kAprsTrackingDomain) != std::string::npos)
                context_.showError(std::string("Bitte die URL überprüfen oder ") + kAprsTrackingDomain +
                                   " anzumelden, dann aktualisieren");
        } else {
            meteo.ErrorText.clear();
            resetCaptions("Ráfag a(");
            Editdatemeteo.caption.clear();
            meteo.Input = kWebFile;
            ComboBoxPath.RememberUrl(EditDat);
        }
        endPoll(decodeAndWrite());
    });
}

// Captions of a new input, before anything of it is decoded.
void TFormMeteoAPRS::resetCaptions(const char* gustCaption) {
    const SpeechUnits& u = units();
    CheckBoxText.caption = "T-ext (°" + u.TempText + ") = ";
    CheckBoxPatm.caption = "P-atm (" + u.PressText + ") = ";
    CheckBoxVent.caption = "Viento (" + u.WindText + ") = ";
    CheckBoxRafa.caption = gustCaption + u.WindText + ") = ";
    CheckBoxDire.caption = "Dirección (°) = ";
    CheckBoxHumiExt.caption = "Humidad (%) =";
    CheckBoxPluie.caption = "Lluvia/24h (" + u.RainText + ") =";
    for (CheckBox* box : {&CheckBoxText, &CheckBoxPatm, &CheckBoxVent, &CheckBoxRafa, &CheckBoxDire, &CheckBoxHumiExt,
                          &CheckBoxPluie})
        box->red = false;
}

bool TFormMeteoAPRS::decodeAndWrite() {
    bool read = false;
    const std::string file = context_.resolvePath(meteo.Input);
    if (!meteo.Input.empty() && fileExists(file)) {
        if (const auto text = readText(meteo.Input)) {
            const auto decoded =
                decodeAprs(*text, {units(), input, SpinEditOffSetPression.value(), ComboBoxTU == 0,
                                   context_.loop.utcOffsets(), meteo.ObservedAt, lastWriteLocalTime(file)});
            if (decoded) {
                last_ = *decoded;
                read = true;
                showItems(last_);
                meteo.Pluie = last_.Pluie;
                meteo.ObservedAt = last_.ObservedAt;
                if (last_.Editdatemeteo) Editdatemeteo.caption = *last_.Editdatemeteo;
                if (last_.timeZoneLocal) ComboBoxTU = 1;
            }
        }
    }
    cwLine = aprsCwLine(last_);
    const std::string cw = cwLine + "\r\n";
    const auto& shared = context_.sharedDataFolder;
    if (!shared.empty()) writeOutput((shared / kCwFile).string(), cw, "Unmöglich um aprs_cw zu speichern");
    writeOutput(context_.resolvePath(kCwFile), cw, "Unmöglich um aprs_cw zu speichern");
    return read;
}

}  // namespace skycrier
