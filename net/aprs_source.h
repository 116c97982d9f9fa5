#pragma once
// The APRS weather source (AprsSource): the readings of an amateur
// weather station that reports over APRS, from a UI-View weather file
// (WXNOW.TXT, written by another program) or from the newest raw packet on a
// tracking site's page, decoded into the APRS record and the window's
// captions, with a CW beacon's line in aprs_cw.txt.
//
// Threading: the loop's thread only.

#include <optional>
#include <string>
#include <string_view>

#include "sources/report_readings.h"
#include "net/internet_source.h"

namespace skycrier {

// The tracking site whose raw-packet pages the source reads, and its login page.
inline constexpr const char* kAprsTrackingDomain = "aprs.fi";
inline constexpr const char* kAprsLoginPage = "https://aprs.fi/?c=login";

class AprsSource final : public InternetSource {
public:
    static constexpr const char* kWebFile = "aprs_web.txt";
    static constexpr const char* kCwFile = "aprs_cw.txt";

    explicit AprsSource(SourceContext& context);

    // Enter in inputLine: an existing file or a web address becomes the input
    // and is read (the refresh); anything else shows the last status.
    void pressKeyInInput(int key);
    // "Navigar": the file the user chose in the dialog (the dialog is the GUI's).
    void takeChosenFile(const std::string& path);
    // A history entry was chosen: it becomes the input and is read.
    void chooseHistoryEntry(int index);
    // The units of the report's figures; each refreshes.
    void chooseWindKmh() { chooseWind(AprsWindUnit::Kmh); }
    void chooseWindMph() { chooseWind(AprsWindUnit::Mph); }
    void chooseWindKnots() { chooseWind(AprsWindUnit::Knot); }
    void chooseCelsius() { chooseInput(inputUnits_.wind, false, inputUnits_.hundredthsOfInch); }
    void chooseFahrenheit() { chooseInput(inputUnits_.wind, true, inputUnits_.hundredthsOfInch); }
    void chooseMillimetres() { chooseInput(inputUnits_.wind, inputUnits_.fahrenheit, false); }
    void chooseInches() { chooseInput(inputUnits_.wind, inputUnits_.fahrenheit, true); }
    // The login browser is shown or hidden; while it is shown, polls of a web
    // input do not fetch (the user is logging in to the tracking site).
    void openLogin();

    void refreshNow() override;
    void poll() override;
    void startAsChosen(bool keepHidden) override;
    // A report file's text read and shown in the window; false when it holds
    // no report. The file's last write (local time) dates a report without a time.
    bool showReport(std::string_view fileText, std::optional<double> fileTime);

    // The units of the report's figures.
    const AprsInputUnits& inputUnits() const { return inputUnits_; }
    // The configuration's units; the poll that follows reads with them.
    void setInputUnits(const AprsInputUnits& units) { inputUnits_ = units; }
    // The site's login reminder.
    const std::string& loginId() const { return loginId_; }
    const std::string& loginPassword() const { return loginPassword_; }
    void setLoginId(std::string id) { loginId_ = std::move(id); }
    void setLoginPassword(std::string password) { loginPassword_ = std::move(password); }
    bool browserVisible() const { return browserVisible_; }
    // aprs_cw.txt's line, written at every poll: that of the last report
    // read, a lone blank before any.
    const std::string& cwLine() const { return cwLine_; }

private:
    void chooseWind(AprsWindUnit unit) { chooseInput(unit, inputUnits_.fahrenheit, inputUnits_.hundredthsOfInch); }
    void chooseInput(AprsWindUnit wind, bool fahrenheit, bool hundredthsOfInch);
    void hideBrowser() { browserVisible_ = false; }
    void fetchThenDecode();
    // Decodes the input file when there is one; then the CW line. True when a report was read.
    bool decodeAndWrite();
    void resetCaptions(const char* gustCaption);

    AprsInputUnits inputUnits_;
    std::string loginId_;
    std::string loginPassword_;
    bool browserVisible_ = false;
    std::string cwLine_ = " ";
};

}  // namespace skycrier
