#pragma once
// What the METAR and APRS windows share: the input line (a web address with
// an optional " //" comment, or a local file), its history, the favourites,
// the time-zone choice, the pressure correction, and the fetch of a web input
// into a file of the program folder, with its numbered status ("Error archivo
// #1: HTTP 404 ..." when the fetch failed, with its reason). The fetch runs
// off the loop; the poll goes on when its answer is in. While it runs, the
// window's error line shows the progress text, but the record keeps the last
// poll's outcome, so a bulletin meanwhile speaks the last good values. A new
// request, or a change to another source, abandons the fetch in flight.
//
// Threading: the loop's thread only.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "net/favourites_window.h"
#include "net/html_cut.h"
#include "net/url_history.h"
#include "platform/signal.h"
#include "platform/task_scope.h"
#include "sources/source_window.h"

namespace skycrier {

// Fetch statuses the cut of a page does not give.
namespace fetch_status {
inline constexpr int kOk = 0;
inline constexpr int kFetchFailed = 1;  // the fetch failed, or its answer is not a report
inline constexpr int kUnreadable = 2;
inline constexpr int kPageGone = 4;
inline constexpr int kNotSaved = 8;
}  // namespace fetch_status

// "Error archivo #" and the status.
std::string fetchStatusText(int status);

class InternetSource : public SourceWindow {
public:
    struct Traits {
        // "metar_web.txt": the fetched page, then the report cut out of it.
        const char* webFile;
        // Characters of the comment that the fetch cuts off the address.
        std::size_t commentCut;
        // Shown while a fetch runs.
        const char* progressText;
        const char* favouritesCaption;
        // The report line of a fetched page.
        std::function<HtmlCut(std::string_view page, std::string_view urlLine)> cutPage;
        // Shown in the empty input line: what it takes.
        const char* addressHint = "";
    };

    // Reports change at most every half hour and public servers ask for
    // restraint: a new configuration polls every ten minutes.
    static constexpr int kDefaultPollMinutes = 10;

    InternetSource(SourceKind kind, SourceContext& context, Traits traits);

    // The configuration's data file: an existing file becomes the input, a web
    // address is kept to be fetched, anything else shows "Error de archivo #6".
    // False when the value was not taken.
    bool loadDataFile(const std::string& value);
    // The text of inputLine changed (typed, or a favourite picked): what follows it is shown.
    virtual void inputEdited() {}
    // A local report file named before it was there (a share mounted late) is
    // taken up at the first poll that finds it.
    void takeUpLateFile();
    // The address an input line is fetched from, without its comment; empty
    // for a line that is no web input (a local file).
    virtual std::string webAddressOf(const std::string& line) const;
    const Traits& traits() const { return traits_; }

    // The fetch in flight is abandoned (its answer never read) and no poll follows.
    void stopPolling() override;

    // A fetch failure as it starts (or changes), and once more when the
    // report is fetched again: one line each for the status line and the log.
    Signal<std::string> fetchNotice;

    // The input line: a web address with an optional " //" comment, or a local file.
    const std::string& inputLine() const { return inputLine_; }
    // The user typed into the input line (inputEdited shows what follows), or the configuration set it.
    void setInputLine(std::string line) { inputLine_ = std::move(line); }
    UrlHistory& addressHistory() { return addressHistory_; }
    const UrlHistory& addressHistory() const { return addressHistory_; }
    Favourites& favourites() { return favourites_; }
    const Favourites& favourites() const { return favourites_; }
    // 0 "UT", 1 "Loc", -1 nothing chosen.
    int timeZoneChoice() const { return timeZoneChoice_; }
    void chooseTimeZone(int choice) { timeZoneChoice_ = choice; }
    // hPa, or hundredths of inHg with inHg speech units.
    const BoundedNumber& pressureCorrection() const { return pressureCorrection_; }
    void setPressureCorrection(int steps) { pressureCorrection_.setValue(steps); }
    const Caption& pressureUnit() const { return pressureUnit_; }
    const Caption& observationTime() const { return observationTime_; }
    const Caption& dewPointCaption() const { return dewPointCaption_; }
    // The last fetch's status.
    int status() const { return status_; }

protected:
    // Fetches inputLine (without its comment) into the web file and cuts the
    // report out of a page; then runs on the loop when it is done, with
    // `status` set and, after a failure, ErrorText saying why.
    void fetchReport(std::function<void()> then);
    // A poll the user asked for: one still waiting for its fetch is abandoned first.
    void pollAfresh();
    // A poll starts (its fetch may be out for a while); false, with nothing
    // done, while one is under way: a second one waits for nothing.
    bool beginPoll();
    // Re-arms the timer at the period and tells the poll's end.
    void endPoll(bool read);
    // pressureUnit in the current pressure unit.
    void showPressureUnit();
    // The pressure unit's and the correction's steps.
    const SpeechUnits& units() const { return context_.units; }
    // The text of a file of the program folder, or of the input; nothing when it cannot be read.
    std::optional<std::string> readText(const std::string& name) const;
    // Writes an output file of the program folder; false (after the error dialog) when it could not.
    bool writeOutput(const std::string& path, const std::string& text, const std::string& failure) const;

    Traits traits_;
    std::string inputLine_;
    UrlHistory addressHistory_;
    int timeZoneChoice_ = -1;
    BoundedNumber pressureCorrection_{0};
    Caption pressureUnit_{"hPa"};
    Caption observationTime_;
    Caption dewPointCaption_;
    Favourites favourites_;
    int status_ = fetch_status::kOk;
    // A refresh is under way: the steps it runs do not start another.
    bool busy_ = false;

private:
    // The status and, for a failed fetch or an answer that is no report, why.
    struct Fetched {
        int status;
        std::string reason;
    };
    Fetched takeFetchedPage(const std::string& file, const std::string& url, const std::string& error);
    void abandonFetch();
    // Tells fetchNotice when the outcome differs from the last one told.
    void noteOutcome(const std::string& url);

    std::optional<HttpFetcher::FetchId> fetch_;
    // The failure last told through fetchNotice; empty while fetches succeed.
    std::string toldFailure_;
    TaskScope tasks_;
};

}  // namespace skycrier
