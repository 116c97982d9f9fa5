#pragma once
// La Crosse WS-2800 / 3610: the history.dat file of 56-byte records its PC
// software appends to, read as the station wrote it (°C, hPa, m/s, mm): the
// newest record, the pressure about an hour before, and the rain of the
// records within the day before the newest.

#include <optional>
#include <string>

namespace skycrier {

// Measured values are the record's numbers as they are: a station that
// wrote a NaN or an infinity leaves it there for the presenter to refuse.
struct Ws28Reading {
    double time = 0;     // days since 30 December 1899, local time
    double spacing = 0;  // days between the last two records; 0 with fewer than three records
    double tempIn = 0, tempOut = 0;  // °C
    double pressure = 0;             // hPa, absolute or relative as asked for
    // The record about an hour older (record 1 at the oldest); read only when spacing > 0.
    std::optional<double> pressureHourBefore;
    double wind = 0, gust = 0;  // m/s
    int directionCode = 0;      // sixteen points, 0 = north
    double humidityIn = 0, humidityOut = 0;  // %
    // mm: the newest record's rain and that of every record less than a day older.
    double dayRain = 0;
};

// Throws PollFailure when the file cannot be read, holds no record, or a
// record time it needs is not a date.
Ws28Reading readWs28History(const std::string& path, bool absolutePressure);

}  // namespace skycrier
