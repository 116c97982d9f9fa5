#pragma once
// What the readers of the two internet reports (METAR, APRS) take out of a
// report, in the report's own units, for the reading presenter to show.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skycrier {

// English month abbreviations, "Jan" to "Dec", of UI-View's time stamps.
inline constexpr std::array<std::string_view, 12> kMonthAbbreviations{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Day, hour and minute (UTC) of a DDHHMMZ group.
struct MetarTimeGroup {
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// dddssKT, dddssGggKMH, VRBssMPS, ///ssKT ...; speeds in the group's unit.
inline constexpr int kVariableWind = 999;
struct MetarWind {
    double kmhPerUnit = 0;         // 1.852 for KT, 1 for KMH, 3.6 for MPS
    std::optional<int> direction;  // kVariableWind for VRB
    std::optional<int> speed;
    std::optional<int> gust;
};

// TT/DD in whole °C, with "M" for minus: 12/08, M05/M07, 12/M02.
struct MetarTemperature {
    std::optional<int> temperature;
    std::optional<int> dewPoint;
};

// Q1013 (hPa) or A2992 (hundredths of inHg).
struct MetarPressure {
    double hpaPerUnit = 0;  // 1 for Q, 0.338639 for A
    int figure = 0;
    double hectopascals() const { return figure * hpaPerUnit; }
};

struct MetarReading {
    // The report's first group.
    std::string station;
    // Every group shaped as a time group, in the report's order; nothing
    // where one of its numbers does not read.
    std::vector<std::optional<MetarTimeGroup>> timeGroups;
    std::optional<MetarWind> wind;
    MetarTemperature temperature;
    std::optional<MetarPressure> pressure;
    // Present-weather bits (phenomena::).
    std::uint32_t phenomena = 0;
};

// The units of an APRS report's figures, which the report does not say: the
// user chooses them in the APRS window.
enum class AprsWindUnit { Kmh, Mph, Knot };
struct AprsInputUnits {
    AprsWindUnit wind = AprsWindUnit::Mph;
    bool fahrenheit = true;
    bool hundredthsOfInch = true;  // rain; else mm
};

// The time an APRS report gives: a UI-View time-stamp line ("Jan 15 2024
// 12:34"), or the date and time before a raw packet ("12:34:56 2024-01-15"
// as shown), with the moment it names when it names one.
struct AprsTime {
    std::string shown;
    std::optional<double> moment;
    // A packet line from a tracking site's page, whose time is local.
    bool packet = false;
};

// An APRS weather report's figures in the input units; a field the station
// filled with dots, or did not send, is missing.
struct AprsReading {
    std::optional<int> direction, speed, gust, temperature, rain24h, humidity, pressure;
    // Nothing: the report gives no time of its own (a stamp line of another shape).
    std::optional<AprsTime> time;
};

}  // namespace skycrier
