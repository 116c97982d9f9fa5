#include "platform/pcm_converter.h"

namespace skycrier {

PcmConverter::PcmConverter(const PcmFormat& format) : format_(format) {}

std::uint64_t PcmConverter::outputFrames(std::uint64_t inputFrames, std::uint32_t inputRate) {
    return (inputFrames * kOutputRate + inputRate - 1) / inputRate;
}

int PcmConverter::channelSample(const std::uint8_t* p) const {
    switch (format_.bitsPerSample) {
    case 8: return (p[0] - 128) * 256;
    case 16: return static_cast<std::int16_t>(p[0] | p[1] << 8);
    case 24: return static_cast<std::int16_t>(p[1] | p[2] << 8);
    default: return static_cast<std::int16_t>(p[2] | p[3] << 8);
    }
}

int PcmConverter::monoSample(const std::uint8_t* frame) const {
    if (format_.channels == 1) return channelSample(frame);
    const int bytes = format_.bitsPerSample / 8;
    return (channelSample(frame) + channelSample(frame + bytes)) / 2;
}

// Output sample j lies at input position j x rate / 24000; it is written once
// the input frame after that position has arrived.
void PcmConverter::push(int sample, std::vector<std::int16_t>& out) {
    const std::uint64_t rate = format_.samplesPerSecond;
    const std::uint64_t k = inputFrames_;
    while (k > 0 && outputFrames_ * rate < k * kOutputRate) {
        const auto offset = static_cast<std::int64_t>(outputFrames_ * rate - (k - 1) * kOutputRate);
        const std::int64_t value = previous_ + (sample - previous_) * offset / kOutputRate;
        out.push_back(static_cast<std::int16_t>(value));
        ++outputFrames_;
    }
    previous_ = sample;
    ++inputFrames_;
}

void PcmConverter::feed(const std::uint8_t* data, std::size_t size, std::vector<std::int16_t>& out) {
    const std::size_t frame = format_.blockAlign;
    std::size_t used = 0;
    if (!partial_.empty()) {
        while (partial_.size() < frame && used < size) partial_.push_back(data[used++]);
        if (partial_.size() < frame) return;
        push(monoSample(partial_.data()), out);
        partial_.clear();
    }
    for (; size - used >= frame; used += frame) push(monoSample(data + used), out);
    partial_.assign(data + used, data + size);
}

void PcmConverter::finish(std::vector<std::int16_t>& out) {
    const std::uint64_t rate = format_.samplesPerSecond;
    while (inputFrames_ > 0 && outputFrames_ * rate < inputFrames_ * kOutputRate) {
        out.push_back(static_cast<std::int16_t>(previous_));
        ++outputFrames_;
    }
    partial_.clear();
}

}  // namespace skycrier
