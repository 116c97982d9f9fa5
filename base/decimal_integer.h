#pragma once
// The one reader of whole numbers typed by people: configuration values,
// command-line options, the year and month of a file name.

#include <optional>
#include <string_view>

namespace skycrier {

// An optional "-" and decimal digits, nothing else, within int; nothing otherwise.
std::optional<int> parseDecimalInteger(std::string_view text);

}  // namespace skycrier
