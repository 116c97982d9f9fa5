#pragma once
// The METAR source (MetarSource): an airport's report, fetched from the
// web address the user typed (a page or a text service), from the provider
// for an airport's ICAO code ("EDDF"), or read from a local file another
// program writes, decoded into the METAR record, the window's
// captions and two files for other programs: metar_uiview.txt (a UI-View
// weather file) and metar_cw.txt (a CW beacon's line), in the program folder
// and in the shared data folder when there is one.
//
// Threading: the loop's thread only.

#include <string>
#include <string_view>

#include "net/internet_source.h"

namespace skycrier {

class MetarSource final : public InternetSource {
public:
    static constexpr const char* kWebFile = "metar_web.txt";
    static constexpr const char* kUiViewFile = "metar_uiview.txt";
    static constexpr const char* kCwFile = "metar_cw.txt";
    static constexpr const char* kNoComment = "====================";
    // Plain METAR text, a date line then the report.
    static constexpr const char* kDefaultProvider =
        "https://tgftp.nws.noaa.gov/data/observations/metar/stations/{ICAO}.TXT";
    static constexpr const char* kAddressHint = "Código OACI (EDDF), dirección o archivo";

    explicit MetarSource(SourceContext& context);

    // Enter in inputLine: a web address or an airport code is fetched and
    // decoded (the poll); anything else shows the last status.
    void pressKeyInInput(int key);
    // An airport code fetches from `provider` (a file of that name is read instead, as before);
    // an unusable provider falls back on the default one.
    std::string webAddressOf(const std::string& line) const override;
    // The text of inputLine changed: inputComment shows its comment.
    void inputEdited() override;
    // A history entry was chosen: it becomes the input and is fetched.
    void chooseHistoryEntry(int index);

    // "Actualizar": the history, the poll period, then a poll (not while the configuration is loading).
    void refreshNow() override;
    // The poll: a web input is fetched first; then the report file is decoded.
    void poll() override;
    void startAsChosen(bool keepHidden) override;
    void prepareToShow() override;
    // One report line read and shown in the window (its record, captions
    // and output lines); the poll does this with the report file's last line.
    void showReport(std::string_view report);

    // The address pattern for airport codes, with "{ICAO}" where the code goes.
    const std::string& provider() const { return provider_; }
    // An empty pattern restores the default one.
    void setProvider(const std::string& pattern) { provider_ = pattern.empty() ? kDefaultProvider : pattern; }
    // The comment of the address (normally the airport's name), or a line of "=".
    const std::string& inputComment() const { return inputComment_; }
    // "Código aeropuerto= " and the station of the last report.
    const std::string& airportCode() const { return airportCode_; }
    // The UI-View time-stamp line of the last report that had a time group.
    const std::string& uiviewTimeLine() const { return uiviewTimeLine_; }
    const std::string& uiviewWeatherLine() const { return uiviewWeatherLine_; }
    const std::string& cwLine() const { return cwLine_; }

private:
    std::string provider_ = kDefaultProvider;
    std::string inputComment_ = kNoComment;
    std::string airportCode_;
    std::string uiviewTimeLine_;
    std::string uiviewWeatherLine_;
    std::string cwLine_;

    // The upper-cased airport code the line fetches; empty when it fetches none.
    std::string fetchedCode(const std::string& line) const;
    // A code typed in lower case is kept upper-cased, as the history shows it.
    void upperCaseCode();
    // Fetch statuses shown, and the decode of the input.
    void fetchThenDecode();
    // Decodes the input file; false when it held no report.
    bool decode();
    void writeOutputs();
    void resetCaptions();
};

}  // namespace skycrier
