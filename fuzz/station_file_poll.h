#pragma once
// One poll of a station file, as the source window makes it: the bytes are
// written to a file of the given name in a scratch folder, the window is
// pointed at it and its timer fires once.

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/meteo_data.h"

namespace skycrier::fuzz {

void pollStationFile(SourceKind kind, const std::string& fileName, const std::uint8_t* data, std::size_t size);

}  // namespace skycrier::fuzz
