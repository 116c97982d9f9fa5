#pragma once
// Where a station's readings become what the program shows and speaks. A
// reading comes in its station's own units; the presenter converts it into
// the speech units, judges it against the plausibility bounds (a red
// caption), stores it in the source's record, writes its window's caption,
// and derives what the station does not give (tendency, gust, felt
// temperature, dew point). Readers only read and pollers only decide when.
//
// Values are shown in the order each station's poll has always shown them:
// a value that cannot be shown (a NaN the station wrote, a dew point of a
// negative humidity) throws PollFailure, and the values shown before it stay.

#include <array>
#include <optional>

#include <string>

#include "base/speech_units.h"
#include "platform/utc_offsets.h"
#include "sources/history_source.h"
#include "sources/pro2_reader.h"
#include "sources/report_readings.h"
#include "sources/ws23_reader.h"
#include "sources/ws28_reader.h"

namespace skycrier {

// The Weather Monitor II's gust: the highest of its last ten plausible mean
// winds, kept in the wind unit they were shown in.
struct WindRing {
    static constexpr double kEmptySlot = -10;
    std::array<double, 10> speeds{kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot,
                                  kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot};
    // The slot written last (1..10, 0 before the first).
    int position = 0;
    double windFactor = 1;
};

// The METAR window's settings a report is shown with.
struct MetarSettings {
    // pressureCorrection: hPa, or hundredths of inHg with inHg speech units.
    int pressureCorrection = 0;
    // timeZoneChoice on "UT": the report's time is shown in UTC, else in local time.
    bool universalTime = false;
    // The local clock and its time zone, as the event loop gives them.
    double localNow = 0;
    UtcOffsets zone = {};
};

// What a METAR report gives besides its window's record and captions.
struct MetarLines {
    // "Código aeropuerto= " and the report's station.
    std::string airportCode;
    // UI-View's "Jan 01 2026 00:30" in local time; nothing without a time group (the previous line stays).
    std::optional<std::string> uiviewTimeLine;
    // UI-View's weather line, "270/012g...t054r000p...P...h77b10130".
    std::string uiviewWeatherLine;
    // A CW beacon's line, " TEMP 12C = QNH 1013hPa = WS 19kmh = WCT 10C = HUM 77 ".
    std::string cwLine;
};

// The APRS window's settings a report is shown with.
struct AprsSettings {
    AprsInputUnits input = {};
    // pressureCorrection: hPa, or hundredths of inHg with inHg speech units.
    int pressureCorrection = 0;
    // timeZoneChoice on "UT": a time-stamp line is UTC and is made local.
    bool universalTime = false;
    UtcOffsets zone = {};
    // The input file's last write (local time): the observation time when later.
    std::optional<double> fileTime = std::nullopt;
};

// What an APRS report gives besides its window's record and captions.
struct AprsShown {
    // A packet line from a web page carries local time: timeZoneChoice goes to "Loc".
    bool timeZoneLocal = false;
    // A CW beacon's line of the report's values.
    std::string cwLine;
};

class ReadingPresenter {
public:
    // The tendency threshold is in hPa per hour.
    ReadingPresenter(const SpeechUnits& units, double tendencyThreshold)
        : units_(units), tendencyThreshold_(tendencyThreshold) {}

    // The pressure correction is counted in CorrFactor steps (1 hPa or 0.01 inHg).
    void showWs23(const Ws23Reading& reading, double correction, HistorySource& window) const;
    void showWs28(const Ws28Reading& reading, double correction, HistorySource& window) const;
    void showPro2(const Pro2Reading& reading, double correction, HistorySource& window) const;

    // The Weather Monitor II's readings, one at a time as the console answers
    // them (°F, inHg, its trend code, mph, degrees). An inside temperature
    // below -70 °C is the console's failure value: false, and no caption.
    bool showMonitorInside(double fahrenheit, SourceWindow& window) const;
    void showMonitorOutside(double fahrenheit, SourceWindow& window) const;
    void showMonitorBarometer(double inHg, SourceWindow& window) const;
    void showMonitorTrend(double code, SourceWindow& window) const;
    void showMonitorWind(double mph, WindRing& ring, SourceWindow& window) const;
    void showMonitorDirection(double degrees, SourceWindow& window) const;

    // An internet report into its window's record and check boxes, its
    // shown time (observationTime) and its dew point (dewPointCaption). Missing
    // values take the record's markers (Text and TRes -200, Patm 900 hPa ×
    // PressFactor, Vent -1, Rafa 0, Dire -1, HumiExt -1, Pluie -1) and a
    // caption ending in "--"; Dire 999 is a variable wind. A METAR whose
    // weather group holds only an intensity leaves the weather caption as it was.
    MetarLines showMetar(const MetarReading& reading, const MetarSettings& settings, SourceWindow& window,
                         Caption& shownTime, Caption& dewPoint) const;
    AprsShown showAprs(const AprsReading& reading, const AprsSettings& settings, SourceWindow& window,
                       Caption& shownTime, Caption& dewPoint) const;

private:
    // A record time later than the one shown so far becomes the record's
    // observation time; the window shows the reading's own time.
    void showLatestTime(double time, HistorySource& window) const;
    // What both La Crosse stations show first: time, temperatures, pressure
    // and tendency, mean wind. Whether the outside temperature and the wind are plausible.
    struct Plausible {
        bool text;
        bool vent;
    };
    template <class LaCrosseReading>
    Plausible showLaCrosse(const LaCrosseReading& reading, double correction, HistorySource& window) const;
    double kmhOfMs(double ms) const;
    double monitorTemperature(double fahrenheit) const;
    bool showTemperature(MeteoField field, double value, SourceWindow& window) const;
    bool showPressure(double patm, SourceWindow& window) const;
    void showTendency(double change, HistorySource& window) const;
    // The newest pressure against the one about an hour older (steady without one).
    void showPressureAndTendency(double pressure, const std::optional<double>& hourBefore, double correction,
                                 HistorySource& window) const;
    bool showWind(double vent, SourceWindow& window) const;
    void showGust(double rafa, HistorySource& window) const;
    void showDirection(int degrees, SourceWindow& window) const;
    void showHumidity(Caption& control, const char* label, double value) const;
    void showRain(double pluie, HistorySource& window) const;
    // The felt temperature from Text and Vent when computable; the WS-23xx
    // writes its computed caption without a blank before the parenthesis.
    void showFeltTemperature(bool computable, const char* computedLabel, HistorySource& window) const;
    void showDewPoint(HistorySource& window) const;

    const SpeechUnits& units_;
    double tendencyThreshold_;
};

}  // namespace skycrier
