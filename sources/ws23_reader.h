#pragma once
// La Crosse WS-2310 / 2315 / 2355: the history.dat file the station's PC
// software appends 36-byte records to, read as the station wrote it (°C,
// hPa, m/s, mm). A read takes the newest record and the few older ones the
// derived values need (tendency, gust, 24-hour rain), nothing more.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skycrier {

inline constexpr std::size_t kWs23RecordSize = 36;

// Measured values are the record's floats as they are: a station that wrote
// a NaN or an infinity leaves it there for the presenter to refuse.
struct Ws23Reading {
    double time = 0;     // days since 30 December 1899, local time
    double spacing = 0;  // days between the last two records; 0 with fewer than three records
    double tempIn = 0, tempOut = 0;  // °C
    double pressure = 0;             // hPa
    // The record about an hour older (record 1 at the oldest); read only when spacing > 0.
    std::optional<double> pressureHourBefore;
    double wind = 0;  // m/s, mean
    // Mean winds of up to nine records before the newest, newer first; record 0 never counts.
    std::vector<double> earlierWinds;
    int directionCode = 0;  // sixteen points, 0 = north
    int humidityIn = 0, humidityOut = 0;  // %
    double rain = 0;        // mm, running total
    // The running total about a day earlier, when the file reaches that far back.
    std::optional<double> rainDayBefore;
};

// Throws PollFailure when the file cannot be read or holds no record.
Ws23Reading readWs23History(const std::string& path);

// Days since 30 December 1899 of a record's time field.
double ws23RecordTime(std::uint32_t seconds);

}  // namespace skycrier
