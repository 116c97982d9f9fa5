#pragma once
// One METAR report decoded into the METAR source's record values, window
// captions and the two lines of its output files: the UI-View weather file
// (metar_uiview.txt: a time-stamp line and a weather line) and the CW
// beacon's summary (metar_cw.txt). Text and settings in, values out; the
// source reads the report file and writes the output files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/speech_units.h"
#include "platform/utc_offsets.h"
#include "net/report_items.h"

namespace skycrier {

struct MetarContext {
    const SpeechUnits& units;
    // pressureCorrection: hPa, or hundredths of inHg with inHg speech units.
    int pressureCorrection = 0;
    // timeZoneChoice on "UT" (index 0): observationTime shows the report's UTC time, else local time.
    bool universalTime = false;
    // The local clock and its time zone, as the event loop gives them.
    double localNow = 0;
    UtcOffsets zone = {};
    // rainBox's caption before this decode: a report whose weather
    // group holds only an intensity leaves it as it was.
    std::string_view previousWeatherCaption = {};
};

// Values in the speech units, with the record's markers for missing ones
// (Text and TRes -200, Patm 900 hPa × PressFactor, Vent -1, Rafa 0, Dire -1,
// HumiExt -1). Dire 999 is a variable wind. The captions of ReportItems are
// outsideTemperatureBox, pressureBox, windBox, gustBox, directionBox,
// feltTemperatureBox ("Sensación"), rainBox (present weather),
// humidityBox and dewPointCaption (dew point).
struct MetarDecode : ReportItems {
    std::uint32_t Phenomena = 0;
    // Local time of the observation; nothing without a time group (the record keeps its value).
    std::optional<double> ObservedAt;
    // "Código aeropuerto= " and the report's first group.
    std::string airportCode;
    // Nothing: left as it was; empty: cleared by a time group that did not read.
    std::optional<std::string> observationTime;
    // "Jan 01 2026 00:30" in local time; nothing without a time group (the previous line stays).
    std::optional<std::string> uiviewTimeLine;
    // "270/012g...t054r000p...P...h77b10130"
    std::string uiviewWeatherLine;
    // " TEMP 12C = QNH 1013hPa = WS 19kmh = WCT 10C = HUM 77 "
    std::string cwLine;
};

// The report is one line; one "=" at its end (end of message) is dropped.
MetarDecode decodeMetar(std::string_view report, const MetarContext& context);

// The report of a file's text: its last non-empty line (lines end with CR,
// LF or CR LF); nothing when there is none, and then nothing is decoded.
std::optional<std::string> lastNonEmptyLine(std::string_view text);

// What the output files receive when the report file does not exist: the
// time-stamp line stays as it was, and every field of the weather line is a
// placeholder (rain too: nothing is known about it); the CW line is a blank.
inline constexpr std::string_view kMetarPlaceholderWeatherLine = ".../...g...t...r...p...P...h..b.....";
inline constexpr std::string_view kMetarPlaceholderCwLine = " ";

}  // namespace skycrier
