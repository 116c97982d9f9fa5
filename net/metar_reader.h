#pragma once
// One METAR report line read into its figures, in the report's own units
// (see MetarReading); the reading presenter shows them.

#include <optional>
#include <string>
#include <string_view>

#include "sources/report_readings.h"

namespace skycrier {

// The report is one line; one "=" at its end (end of message) is dropped.
MetarReading readMetar(std::string_view report);

// The report of a file's text: its last non-empty line (lines end with CR,
// LF or CR LF); nothing when there is none, and then nothing is read.
std::optional<std::string> lastNonEmptyLine(std::string_view text);

}  // namespace skycrier
