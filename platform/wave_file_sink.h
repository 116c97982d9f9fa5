#pragma once
// Renders what is played into a WAVE file of 16-bit mono at 24 000 samples
// per second, in the played sounds' own time (see TimedWaveOut). Sounds of
// other layouts are converted; silences are added as exact zero samples.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/pcm_converter.h"
#include "platform/timed_wave_out.h"

namespace skycrier {

class WaveFileSink : public TimedWaveOut {
public:
    explicit WaveFileSink(EventLoop& loop) : TimedWaveOut(loop) {}

    void addSilence(int milliseconds);
    std::size_t sampleCount() const { return samples_.size(); }
    // Writes everything rendered so far; false with a one-line reason.
    bool save(const std::string& path, std::string& error) const;

protected:
    void opened(const PcmFormat& format) override;
    void played(const std::uint8_t* data, std::size_t size) override;
    void closed() override;

private:
    std::optional<PcmConverter> converter_;
    std::vector<std::int16_t> samples_;
};

}  // namespace skycrier
