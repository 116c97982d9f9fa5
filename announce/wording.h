#pragma once
// How values become series of vocabulary segment names. Names are formed in
// lower case; the vocabulary lookup ignores case. Every function here forms
// only names the vocabulary holds.

#include <cstdint>
#include <string>
#include <vector>

namespace skycrier::wording {

using Segments = std::vector<std::string>;

// "son" + n for 0..100; above that "son100_and" + "son" + (n - 100).
Segments number(int n);

// Day name (dayOfWeek 1 = Sunday), day, month, and the year when it can be told.
Segments date(int dayOfWeek, int day, int month, int year);
// "son_it_s"/"son_it_s1", hour, minutes, part of day.
Segments timeOfDay(int hour, int minute);

Segments temperature(int value);
Segments feltTemperature(int value);
Segments pressureHectopascal(int value);
// Integer part, "son_point" and two digits, then the unit (inHg pressure, rain in inches).
Segments decimal(double value, const std::string& unit);
Segments rainInch(double value);
// Wind and gust; metric speaks km/h, otherwise mph.
Segments speed(int value, bool metric);
Segments rainMillimetre(int value);
Segments humidity(int value);
std::string tendency(int value);
// The compass word, or nothing when the direction falls on no sector.
Segments direction(int degrees, bool sixteenSectors, bool variableAllowed);
Segments presentWeather(std::uint32_t bits);

}  // namespace skycrier::wording
