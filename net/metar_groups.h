#pragma once
// The groups of a METAR report line and what each kind of group says. Each
// reader takes the first group of its kind from group 1 on (group 0 is the
// station); a malformed number leaves that value missing.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "sources/report_readings.h"

namespace skycrier {

inline constexpr std::size_t kMetarGroupCount = 50;
// Groups split at single blanks: two blanks in a row leave an empty group;
// groups after the 50th are dropped. The views point into the report.
// Leading report-type words (METAR, SPECI, COR, AUTO) are skipped, so group 0
// is the station; the trend and remarks (TEMPO, BECMG, NOSIG, RMK and all
// after them) are left out.
using MetarGroups = std::array<std::string_view, kMetarGroupCount>;
MetarGroups splitMetarGroups(std::string_view report);

// Whether a group is shaped DDHHMMZ; its day, hour and minute, nothing when
// one of the numbers does not parse.
bool hasTimeGroupShape(std::string_view group);
std::optional<MetarTimeGroup> readTimeGroup(std::string_view group);

// dddssKT, dddssGggKMH, VRBssMPS, ///ssKT ...
std::optional<MetarWind> readWind(const MetarGroups& groups);

// TT/DD with "M" for minus: 12/08, M05/M07, 12/M02.
MetarTemperature readTemperature(const MetarGroups& groups);

// Q1013 (hPa) or A2992 (hundredths of inHg).
std::optional<MetarPressure> readPressure(const MetarGroups& groups);

// Present-weather bits (phenomena::) of the first group of 2 to 5
// characters that yields any: RA, SN, GR, BR, FG at its end, "-" or "+" at
// its start; recent weather (RE..) is not present weather; 0 when none.
std::uint32_t readWeather(const MetarGroups& groups);

}  // namespace skycrier
