#pragma once
// Writes WAVE files for tests, well-formed or broken on purpose.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace skycrier::test {

inline void putLe16(std::string& out, std::uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

inline void putLe32(std::string& out, std::uint32_t v) {
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}

struct WaveLayout {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 24000;
    std::uint16_t bits = 16;
    std::uint32_t formatSize = 16;  // bytes past 16 are filled with zeros
    std::optional<std::uint32_t> declaredFormatSize;
    std::optional<std::uint32_t> averageBytes;  // rate x block alignment unless set
    std::vector<std::pair<std::string, std::string>> chunksBefore;  // tag, payload
    std::string data;
    std::optional<std::uint32_t> declaredDataSize;
};

inline std::string waveBytes(const WaveLayout& s) {
    const std::uint16_t align = static_cast<std::uint16_t>(s.channels * (s.bits / 8));
    std::string format;
    putLe16(format, s.formatTag);
    putLe16(format, s.channels);
    putLe32(format, s.rate);
    putLe32(format, s.averageBytes.value_or(s.rate * align));
    putLe16(format, align);
    putLe16(format, s.bits);
    format.resize(s.formatSize, '\0');

    std::string body = "WAVEfmt ";
    putLe32(body, s.declaredFormatSize.value_or(s.formatSize));
    body += format;
    for (const auto& [tag, payload] : s.chunksBefore) {
        body += tag;
        putLe32(body, static_cast<std::uint32_t>(payload.size()));
        body += payload;
    }
    body += "data";
    putLe32(body, s.declaredDataSize.value_or(static_cast<std::uint32_t>(s.data.size())));
    body += s.data;

    std::string file = "RIFF";
    putLe32(file, static_cast<std::uint32_t>(body.size()));
    return file + body;
}

// Distinct 16-bit sample bytes, so that a misplaced byte shows.
inline std::string sampleBytes(std::size_t count, unsigned seed = 1) {
    std::string bytes(count, '\0');
    std::uint32_t x = seed * 2654435761u + 1;
    for (char& c : bytes) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    return bytes;
}

// A 24 000 Hz mono 16-bit clip of that many sample bytes.
inline std::string clipOfBytes(std::size_t dataBytes, unsigned seed = 1) {
    WaveLayout layout;
    layout.data = sampleBytes(dataBytes, seed);
    return waveBytes(layout);
}

inline std::vector<unsigned char> toBytes(const std::string& s) { return {s.begin(), s.end()}; }

}  // namespace skycrier::test
