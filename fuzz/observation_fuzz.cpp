// Any bytes as a record file (skycrier-cli bulletin --record): parsed into
// an observation or refused with a reason.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cli/observation_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto observation = skycrier::cli::parseObservation(std::string(reinterpret_cast<const char*>(data), size),
                                                             46000.5, error);
    if (!observation && error.empty()) std::abort();
    return 0;
}
