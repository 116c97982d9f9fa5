#pragma once
// One APRS weather report decoded into the APRS source's record values and
// window captions: a UI-View weather file (WXNOW.TXT: a "Jan 15 2024 12:34"
// time-stamp line and a weather line such as
// "220/004g005t077r000p000P000h50b09900") or a raw packet line cut out of a
// tracking site's page ("2024-01-15 12:34:56 UTC: CALL>PATH:_01151234c220s004...").
// Text and settings in, values out; the source reads the file and writes aprs_cw.txt.

#include <optional>
#include <string>
#include <string_view>

#include "base/speech_units.h"
#include "platform/utc_offsets.h"
#include "net/report_items.h"

namespace skycrier {

// The units of the report's figures (the window's radio buttons).
enum class AprsWindUnit { Kmh, Mph, Knot };
struct AprsInputUnits {
    AprsWindUnit wind = AprsWindUnit::Mph;
    bool fahrenheit = true;
    bool hundredthsOfInch = true;  // rain; else mm
};

struct AprsContext {
    const SpeechUnits& units;
    AprsInputUnits input = {};
    // pressureCorrection: hPa, or hundredths of inHg with inHg speech units.
    int pressureCorrection = 0;
    // timeZoneChoice on "UT" (index 0): a time-stamp line is UTC and is made local.
    bool universalTime = false;
    // The local clock's time zone, which makes a UTC time-stamp local.
    UtcOffsets zone = {};
    // The record's ObservedAt before this decode, and the input file's last
    // write (local time), which replaces it when later.
    double observedAt = 0;
    std::optional<double> fileTime = std::nullopt;
};

// Values in the speech units with the record's missing markers (see
// MetarDecode); Pluie -1 when missing. feltTemperatureBox is "Escalofríos",
// rainBox "Lluvia/24h".
struct AprsDecode : ReportItems {
    double Pluie = -1.0;
    double ObservedAt = 0;
    // Nothing: left as it was.
    std::optional<std::string> observationTime;
    // A packet line from a web page carries local time: timeZoneChoice goes to "Loc".
    bool timeZoneLocal = false;
    // What the CW line reads.
    CwItems cw;
};

// Nothing when the text has no non-empty line: nothing is decoded.
std::optional<AprsDecode> decodeAprs(std::string_view fileText, const AprsContext& context);

// aprs_cw.txt's line, rebuilt at every poll from the last decode (see
// cwLine); a lone blank before any decode (a default AprsDecode).
std::string aprsCwLine(const AprsDecode& decode);

}  // namespace skycrier
