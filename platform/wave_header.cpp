#include "platform/wave_header.h"

namespace skycrier {
namespace {

void appendLe32(std::string& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

}  // namespace

void appendLe16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

std::string monoWaveHeader(std::uint32_t sampleRate, std::uint32_t dataBytes) {
    std::string bytes = "RIFF";
    appendLe32(bytes, 36 + dataBytes);
    bytes += "WAVEfmt ";
    appendLe32(bytes, 16);
    appendLe16(bytes, 1);
    appendLe16(bytes, 1);
    appendLe32(bytes, sampleRate);
    appendLe32(bytes, sampleRate * 2);
    appendLe16(bytes, 2);
    appendLe16(bytes, 16);
    bytes += "data";
    appendLe32(bytes, dataBytes);
    return bytes;
}

}  // namespace skycrier
