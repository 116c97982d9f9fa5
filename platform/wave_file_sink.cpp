#include "platform/wave_file_sink.h"

#include <fstream>

#include "platform/wave_header.h"

namespace skycrier {
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
    std::string bytes = monoWaveHeader(PcmConverter::kOutputRate, static_cast<std::uint32_t>(dataBytes));
    bytes.reserve(44 + dataBytes);
    for (const std::int16_t s : samples_) appendLe16(bytes, static_cast<std::uint16_t>(s));

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
