#pragma once
// Fields of the stations' binary records, which are little-endian whatever
// the machine reading them.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace skycrier::le {

inline std::uint64_t unsignedAt(std::string_view bytes, std::size_t offset, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

inline std::uint8_t u8(std::string_view b, std::size_t at) { return static_cast<std::uint8_t>(unsignedAt(b, at, 1)); }
inline std::int8_t i8(std::string_view b, std::size_t at) { return static_cast<std::int8_t>(u8(b, at)); }
inline std::uint16_t u16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(unsignedAt(b, at, 2));
}
inline std::int16_t i16(std::string_view b, std::size_t at) { return static_cast<std::int16_t>(u16(b, at)); }
inline std::uint32_t u32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(unsignedAt(b, at, 4));
}
inline std::int32_t i32(std::string_view b, std::size_t at) { return static_cast<std::int32_t>(u32(b, at)); }
inline float f32(std::string_view b, std::size_t at) { return std::bit_cast<float>(u32(b, at)); }
inline double f64(std::string_view b, std::size_t at) { return std::bit_cast<double>(unsignedAt(b, at, 8)); }

}  // namespace skycrier::le
