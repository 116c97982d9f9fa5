#include "platform/wave_file_sink.h"

#include <fstream>

namespace skycrier {
namespace {

void putLe16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void putLe32(std::string& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

}  // namespace

void WaveFileSink::addSilence(int milliseconds) {
    if (milliseconds <= 0) return;
    samples_.insert(samples_.end(), static_cast<std::size_t>(milliseconds) * PcmConverter::kOutputRate / 1000, 0);
}

void WaveFileSink::opened(const PcmFormat& format) { converter_.emplace(format); }

void WaveFileSink::played(const std::uint8_t* data, std::size_t size) {
    if (converter_) converter_->feed(data, size, samples_);
}

void WaveFileSink::closed() {
    if (converter_) converter_->finish(samples_);
    converter_.reset();
}

bool WaveFileSink::save(const std::string& path, std::string& error) const {
    constexpr std::uint64_t kMaxData = 0xFFFFFFFFu - 36;
    const std::uint64_t dataBytes = static_cast<std::uint64_t>(samples_.size()) * 2;
    if (dataBytes > kMaxData) {
        error = path + ": the rendering is too long for a WAVE file";
        return false;
    }
    std::string bytes;
    bytes.reserve(44 + dataBytes);
    bytes += "RIFF";
    putLe32(bytes, static_cast<std::uint32_t>(36 + dataBytes));
    bytes += "WAVEfmt ";
    putLe32(bytes, 16);
    putLe16(bytes, 1);
    putLe16(bytes, 1);
    putLe32(bytes, PcmConverter::kOutputRate);
    putLe32(bytes, PcmConverter::kOutputRate * 2);
    putLe16(bytes, 2);
    putLe16(bytes, 16);
    bytes += "data";
    putLe32(bytes, static_cast<std::uint32_t>(dataBytes));
    for (const std::int16_t s : samples_) putLe16(bytes, static_cast<std::uint16_t>(s));

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

}  // namespace skycrier
