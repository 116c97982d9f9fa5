#include "net/internet_source.h"

#include <filesystem>

#include "net/page_check.h"
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
      traits_(std::move(traits)),
      favourites_(traits_.favouritesCaption,
                  [this](const std::string& entry) {
                      if (!visible()) return;
                      inputLine_ = entry;
                      // A file is the input itself; an address is fetched into the web file.
                      if (fileExists(context_.resolvePath(entry))) meteo_.Input = entry;
                      inputEdited();
                      refreshNow();
                  }),
      tasks_(context.loop) {
    poller_.setMinutes(kDefaultPollMinutes);
}

bool InternetSource::loadDataFile(const std::string& value) {
    if (fileExists(context_.resolvePath(value))) {
        inputLine_ = value;
        meteo_.Input = value;
        return true;
    }
    if (!webAddressOf(value).empty()) {
        inputLine_ = value;
        return true;
    }
    poller_.setError("Error de archivo #6");
    return false;
}

void InternetSource::takeUpLateFile() {
    if (!meteo_.Input.empty() || inputLine_.empty() || !webAddressOf(inputLine_).empty()) return;
    if (loadDataFile(inputLine_)) poller_.clearError();
}

std::string InternetSource::webAddressOf(const std::string& line) const {
    return isWebAddress(line) ? cutComment(line, traits_.commentCut) : std::string();
}

void InternetSource::fetchReport(std::function<void()> then) {
    const std::string file = context_.resolvePath(traits_.webFile);
    const std::string url = webAddressOf(inputLine_);
    const auto conclude = [this, url, then](const Fetched& fetched) {
        status_ = fetched.status;
        if (status_ != fetch_status::kOk)
            poller_.setError(fetchStatusText(status_) + (fetched.reason.empty() ? "" : ": " + fetched.reason));
        noteOutcome(url);
        then();
    };
    if (!context_.fetcher) {
        conclude({fetch_status::kFetchFailed, "no connection to the web"});
        return;
    }
    fetch_ = context_.fetcher->fetchToFile(url, file,
                                           tasks_.guard([this, file, url, conclude](const std::string& error) {
                                               fetch_.reset();
                                               poller_.showProgress({});
                                               conclude(takeFetchedPage(file, url, error));
                                           }));
    // While the fetch runs the error line shows its progress; the record keeps the last poll's outcome.
    poller_.showProgress(traits_.progressText);
}

InternetSource::Fetched InternetSource::takeFetchedPage(const std::string& file, const std::string& url,
                                                        const std::string& error) {
    if (!error.empty()) return {fetch_status::kFetchFailed, error};
    std::string reason;
    const auto page = readRegularFile(file, kMaxReportFileBytes, reason);
    if (!page) return {fetch_status::kUnreadable, reason};
    if (const auto notReport = notAReport(*page)) {
        // Decoded, it would replace the last good values with empty ones.
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        return {fetch_status::kFetchFailed, "the page is not a report: " + *notReport};
    }
    // A page begins with markup within its first bytes; a plain report is used as it is.
    if (page->substr(0, 3).find('<') == std::string::npos) return {fetch_status::kOk, {}};
    const HtmlCut cut = traits_.cutPage(*page, url);
    if (cut.status != cut_status::kOk) return {cut.status, {}};
    const std::string name = std::filesystem::path(traits_.webFile).filename().string();
    if (!writeOutput(file, cut.line, "Unmöglich um " + name + " zu speichern")) return {fetch_status::kNotSaved, {}};
    return {fetch_status::kOk, {}};
}

void InternetSource::noteOutcome(const std::string& url) {
    const std::string source = "the " + std::string(sourceName(kind())) + " source";
    if (status_ != fetch_status::kOk) {
        if (poller_.error() == toldFailure_) return;
        toldFailure_ = poller_.error();
        fetchNotice.emit(source + " cannot fetch its report from " + url + ": " + toldFailure_);
    } else if (!toldFailure_.empty()) {
        toldFailure_.clear();
        fetchNotice.emit(source + " fetches its report again from " + url);
    }
}

void InternetSource::pollAfresh() {
    abandonFetch();
    poll();
}

void InternetSource::stopPolling() {
    SourceWindow::stopPolling();
    abandonFetch();
}

void InternetSource::abandonFetch() {
    if (!fetch_) return;
    context_.fetcher->cancel(*fetch_);
    fetch_.reset();
    poller_.showProgress({});
    poller_.abandon();
}

bool InternetSource::beginPoll() {
    if (!poller_.begin()) return false;
    showPressureUnit();
    changed.emit();
    return true;
}

void InternetSource::endPoll(bool read) {
    // The period restored from the configuration counts from the first poll, not only after "Actualizar".
    poller_.finish(read, true);
}

void InternetSource::showPressureUnit() { pressureUnit_.caption = units().pressureMetric() ? "hPa" : "0.01*inHg"; }

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
