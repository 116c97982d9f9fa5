#pragma once
// One APRS weather report read into its figures (see AprsReading): a UI-View
// weather file (WXNOW.TXT: a "Jan 15 2024 12:34" time-stamp line and a
// weather line such as "220/004g005t077r000p000P000h50b09900") or a raw
// packet line cut out of a tracking site's page ("2024-01-15 12:34:56 UTC:
// CALL>PATH:_01151234c220s004..."). The reading presenter shows them.

#include <optional>
#include <string_view>

#include "sources/report_readings.h"

namespace skycrier {

// Nothing when the text has no non-empty line: nothing is read.
std::optional<AprsReading> readAprs(std::string_view fileText);

}  // namespace skycrier
