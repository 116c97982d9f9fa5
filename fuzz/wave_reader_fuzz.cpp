// Any bytes as a clip held in memory: the reader takes or refuses them, and
// never hands back more samples than the bytes it was given.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "announce/wave_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    skycrier::MemorySource source(std::span<const unsigned char>(data, size));
    skycrier::WaveInfo info;
    std::vector<std::uint8_t> samples;
    if (skycrier::readWave(source, info, samples) == skycrier::PlayError::None && samples.size() > size) std::abort();
    return 0;
}
