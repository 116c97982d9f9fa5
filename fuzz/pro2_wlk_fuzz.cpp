// Any bytes as a Vantage Pro2 month file, polled once.

#include "station_file_poll.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    skycrier::fuzz::pollStationFile(skycrier::SourceKind::Pro2, "2026-03.wlk", data, size);
    return 0;
}
