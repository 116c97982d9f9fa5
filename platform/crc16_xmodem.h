#pragma once
// CRC-16/XMODEM (polynomial 0x1021, start 0), the check the Davis consoles use.

#include <cstddef>
#include <cstdint>

namespace skycrier {

constexpr std::uint16_t crc16Xmodem(const std::uint8_t* bytes, std::size_t count) {
    std::uint16_t crc = 0;
    for (std::size_t i = 0; i < count; ++i) {
        crc = static_cast<std::uint16_t>(crc ^ (bytes[i] << 8));
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

}  // namespace skycrier
