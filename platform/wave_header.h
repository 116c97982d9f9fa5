#pragma once
// The 44-byte header of a WAVE file of 16-bit mono samples.

#include <cstdint>
#include <string>

namespace skycrier {

std::string monoWaveHeader(std::uint32_t sampleRate, std::uint32_t dataBytes);
// Appends one sample as a little-endian 16-bit value.
void appendLe16(std::string& out, std::uint16_t value);

}  // namespace skycrier
