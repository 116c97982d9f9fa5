// Any bytes as a WS-23xx history.dat, polled once.

#include "station_file_poll.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    skycrier::fuzz::pollStationFile(skycrier::SourceKind::W23, "history.dat", data, size);
    return 0;
}
