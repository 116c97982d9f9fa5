#pragma once
// What the METAR and APRS windows share: the input line (a web address with
// an optional " //" comment, or a local file), its history, the favourites,
// the time-zone choice, the pressure correction, and the fetch of a web input
// into a file of the program folder, with its numbered status ("Error archivo
// #1" when the fetch failed, ...). The fetch runs off the loop; the poll goes
// on when its answer is in.
//
// Threading: the loop's thread only.

#include <functional>
#include <string>
#include <string_view>

#include "net/favourites_window.h"
#include "net/html_cut.h"
#include "net/report_items.h"
#include "net/url_history.h"
#include "platform/task_scope.h"
#include "sources/source_window.h"

namespace skycrier {

// Fetch statuses the cut of a page does not give.
namespace fetch_status {
inline constexpr int kOk = 0;
inline constexpr int kFetchFailed = 1;  // the fetch failed, or gave fewer than 3 bytes
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
    };

    InternetSource(SourceKind kind, SourceContext& context, Traits traits);

    // The configuration's data file: an existing file becomes the input, a web
    // address is kept to be fetched, anything else shows "Error de archivo #6".
    // False when the value was not taken.
    bool loadDataFile(const std::string& value);

    const std::string& StaticTextErreur() const { return meteo.ErrorText; }
    bool pollInFlight() const override { return polling_; }

    std::string EditDat;
    UrlHistory ComboBoxPath;
    // 0 "UT", 1 "Loc", -1 nothing chosen.
    int ComboBoxTU = -1;
    SpinEdit SpinEditOffSetPression{0};
    Caption Label6{"hPa"};
    Caption Editdatemeteo;
    Caption LabelTros;
    TFormFav FormFav;
    // The last fetch's status.
    int status = fetch_status::kOk;
    // A refresh is under way: the steps it runs do not start another.
    bool busy = false;

protected:
    // Fetches EditDat (without its comment) into the web file and cuts the
    // report out of a page; then(status) runs on the loop when it is done.
    void fetchReport(std::function<void(int status)> then);
    // The poll is under way (its fetch may be out); a second one waits for nothing.
    bool polling() const { return polling_; }
    void beginPoll();
    // Re-arms the timer and tells the poll's end.
    void endPoll(bool read);
    // Label6 in the current pressure unit.
    void showPressureUnit();
    // The values and captions a decode gave.
    void showItems(const ReportItems& items);
    // The pressure unit's and the correction's steps.
    const SpeechUnits& units() const { return context_.units; }
    // The text of a file of the program folder, or of the input; nothing when it cannot be read.
    std::optional<std::string> readText(const std::string& name) const;
    // Writes an output file of the program folder; false (after the error dialog) when it could not.
    bool writeOutput(const std::string& path, const std::string& text, const std::string& failure) const;

    Traits traits_;

private:
    bool polling_ = false;
    TaskScope tasks_;
};

}  // namespace skycrier
