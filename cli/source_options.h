#pragma once
// The options the source commands (station, metar, aprs) share: the clock
// the poll runs at, the speech units, the pressure correction.

#include <optional>
#include <string>
#include <vector>

#include "sources/units_window.h"

namespace skycrier::cli {

struct SourceOptions {
    std::optional<double> at;
    bool celsius = true;
    bool hectopascal = true;
    bool kmh = true;
    bool mm = true;
    std::optional<int> offset;
};

// Reads the option at args[i] (and its value, moving i on) when it is one of
// --at, --temp, --pressure, --wind, --rain, --offset. Nothing when it is none
// of them; false with the mistake in error when its value is wrong.
std::optional<bool> readSourceOption(const std::vector<std::string>& args, std::size_t& i, SourceOptions& o,
                                     std::string& error);

// The option's value at args[i + 1], moving i on; false with the mistake in error when there is none.
bool optionValue(const std::vector<std::string>& args, std::size_t& i, std::string& value, std::string& error);

// One of two words: first or second, nothing else.
bool optionChoice(const std::string& option, const std::string& value, bool& first, const char* firstName,
                  const char* secondName, std::string& error);

void chooseUnits(UnitsChoice& units, const SourceOptions& o);

}  // namespace skycrier::cli
