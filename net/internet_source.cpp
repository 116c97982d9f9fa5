#include "net/internet_source.h"

#include <filesystem>

#include "net/url_line.h"
#include "platform/atomic_file.h"
#include "platform/regular_file.h"

namespace skycrier {
namespace {

// A report, or a page of a tracking site, is small; a larger file is not one.
constexpr std::size_t kMaxReportFileBytes = 4 << 20;
constexpr unsigned kOutputPermissions = 0644;

}  // namespace

std::string fetchStatusText(int status) { return "Error archivo #" + std::to_string(status); }

InternetSource::InternetSource(SourceKind kind, SourceContext& context, Traits traits)
    : SourceWindow(kind, context),
      FormFav(traits.favouritesCaption,
              [this](const std::string& entry) {
                  if (!visible) return;
                  EditDat = entry;
                  ButtonRafraichirClick();
              }),
      traits_(std::move(traits)),
      tasks_(context.loop) {}

bool InternetSource::loadDataFile(const std::string& value) {
    if (fileExists(context_.resolvePath(value))) {
        EditDat = value;
        meteo.Input = value;
        return true;
    }
    if (isWebAddress(value)) {
        EditDat = value;
        return true;
    }
    meteo.ErrorText = "Error de archivo #6";
    return false;
}

void InternetSource::fetchReport(std::function<void(int)> then) {
    const std::string file = context_.resolvePath(traits_.webFile);
    const std::string url = cutComment(EditDat, traits_.commentCut);
    if (!context_.fetcher) {
        then(fetch_status::kFetchFailed);
        return;
    }
    meteo.ErrorText = traits_.progressText;
    context_.fetcher->fetchToFile(url, file, tasks_.guard([this, file, then](const std::string& error) {
        meteo.ErrorText.clear();
        if (!error.empty()) {
            then(fetch_status::kFetchFailed);
            return;
        }
        std::string reason;
        const auto page = readRegularFile(file, kMaxReportFileBytes, reason);
        if (!page) {
            then(fetch_status::kUnreadable);
            return;
        }
        if (page->size() < 3) {
            then(fetch_status::kFetchFailed);
            return;
        }
        // A page begins with markup within its first bytes; a plain report is used as it is.
        if (page->substr(0, 3).find('<') == std::string::npos) {
            then(fetch_status::kOk);
            return;
        }
        const HtmlCut cut = traits_.cutPage(*page, EditDat);
        if (cut.status != cut_status::kOk) {
            then(cut.status);
            return;
        }
        const std::string name = std::filesystem::path(traits_.webFile).filename().string();
        if (!writeOutput(file, cut.line, "Unmöglich um " + name + " zu speichern")) {
            then(fetch_status::kNotSaved);
            return;
        }
        then(fetch_status::kOk);
    }));
}

void InternetSource::beginPoll() {
    polling_ = true;
    TimerMeteo.stop();
    showPressureUnit();
}

void InternetSource::endPoll(bool read) {
    polling_ = false;
    TimerMeteo.start();
    pollFinished.emit(read);
}

void InternetSource::showItems(const ReportItems& items) {
    meteo.Text = items.Text;
    meteo.TRes = items.TRes;
    meteo.Patm = items.Patm;
    meteo.Vent = items.Vent;
    meteo.Rafa = items.Rafa;
    meteo.Dire = items.Dire;
    meteo.HumiExt = items.HumiExt;
    const auto show = [](CheckBox& box, const Caption& caption) {
        box.caption = caption.caption;
        box.red = caption.red;
    };
    show(CheckBoxText, items.CheckBoxText);
    show(CheckBoxPatm, items.CheckBoxPatm);
    show(CheckBoxVent, items.CheckBoxVent);
    show(CheckBoxRafa, items.CheckBoxRafa);
    show(CheckBoxDire, items.CheckBoxDire);
    show(CheckBoxTRes, items.CheckBoxTRes);
    show(CheckBoxPluie, items.CheckBoxPluie);
    show(CheckBoxHumiExt, items.CheckBoxHumiExt);
    LabelTros = items.LabelTros;
}

void InternetSource::showPressureUnit() { Label6.caption = units().pressureMetric() ? "hPa" : "0.01*inHg"; }

std::optional<std::string> InternetSource::readText(const std::string& name) const {
    std::string reason;
    return readRegularFile(context_.resolvePath(name), kMaxReportFileBytes, reason);
}

bool InternetSource::writeOutput(const std::string& path, const std::string& text, const std::string& failure) const {
    std::string reason;
    if (replaceFileAtomically(path, path + ".part", text, kOutputPermissions, reason)) return true;
    context_.showError(failure);
    return false;
}

}  // namespace skycrier
