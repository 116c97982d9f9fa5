#pragma once
// The JSON that skycrier-cli prints for one poll of a source: the record by
// field name, and each caption of its window with its red mark.

#include <string>
#include <utility>
#include <vector>

#include "base/meteo_data.h"
#include "sources/source_window.h"

namespace skycrier::cli {

// A JSON string: quotes, backslashes and control characters escaped; UTF-8 passes through.
std::string jsonString(const std::string& text);
// The shortest text that reads back as the same double ("1016", "0.03937");
// JSON has no NaN or infinity, so those print as null.
std::string jsonNumber(double value);
// Every value of the record by its name, ObservedAt as days since 30 December 1899.
std::string meteoJson(const MeteoData& data);
// {"name": {"caption": "...", "red": false}, ...} in the given order.
std::string captionsJson(const std::vector<std::pair<std::string, Caption>>& captions);

}  // namespace skycrier::cli
