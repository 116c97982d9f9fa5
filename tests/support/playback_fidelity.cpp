#include "support/playback_fidelity.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "announce/wave_reader.h"
#include "platform/regular_file.h"
#include "support/temp_dir.h"

namespace skycrier::test {
namespace {

constexpr std::ptrdiff_t kRate = 24'000;
constexpr std::ptrdiff_t kFrame = kRate / 100;
constexpr std::ptrdiff_t kStep = kRate / 1000;  // words are looked for to the millisecond
constexpr double kVoicedDb = -40;
constexpr double kSameLevelDb = 6;
constexpr std::size_t kWordGapFrames = 2;
constexpr std::ptrdiff_t kSearchBefore = kRate / 4;
constexpr std::ptrdiff_t kSearchAfter = 2 * kRate;

// The level of a 10 ms frame starting at any sample, from running sums of squares.
class FrameLevels {
public:
    explicit FrameLevels(std::span<const std::int16_t> samples) : energy_(samples.size() + 1, 0) {
        for (std::size_t i = 0; i < samples.size(); ++i)
            energy_[i + 1] = energy_[i] + static_cast<std::int64_t>(samples[i]) * samples[i];
    }

    std::ptrdiff_t frames() const { return samples() / kFrame; }

    // dBFS of the frame starting at that sample; samples outside the recording are silence.
    double at(std::ptrdiff_t start) const {
        const auto clamp = [this](std::ptrdiff_t i) { return std::clamp<std::ptrdiff_t>(i, 0, samples()); };
        const std::int64_t sum = energy_[clamp(start + kFrame)] - energy_[clamp(start)];
        if (sum == 0) return -std::numeric_limits<double>::infinity();
        return 10 * std::log10(static_cast<double>(sum) / kFrame / (32768.0 * 32768.0));
    }
    bool voiced(std::ptrdiff_t start) const { return at(start) > kVoicedDb; }

    // The first and last voiced of the frames laid end to end from the start.
    std::optional<std::pair<std::ptrdiff_t, std::ptrdiff_t>> voicedSpan() const {
        std::optional<std::pair<std::ptrdiff_t, std::ptrdiff_t>> span;
        for (std::ptrdiff_t frame = 0; frame < frames(); ++frame)
            if (voiced(frame * kFrame)) span = {span ? span->first : frame, frame};
        return span;
    }

private:
    std::ptrdiff_t samples() const { return static_cast<std::ptrdiff_t>(energy_.size()) - 1; }
    std::vector<std::int64_t> energy_;
};

// A word's frames in the rendering, [first, end).
struct Word {
    std::ptrdiff_t first;
    std::ptrdiff_t end;
};

std::vector<Word> wordsOf(const FrameLevels& rendering) {
    std::vector<Word> words;
    std::size_t quiet = kWordGapFrames;
    for (std::ptrdiff_t frame = 0; frame < rendering.frames(); ++frame) {
        if (!rendering.voiced(frame * kFrame)) {
            ++quiet;
            continue;
        }
        if (quiet >= kWordGapFrames) {
            if (!words.empty()) words.back().end = frame;
            words.push_back({frame, rendering.frames()});
        }
        quiet = 0;
    }
    return words;
}

std::size_t voicedFrames(const FrameLevels& rendering, const Word& word) {
    std::size_t voiced = 0;
    for (std::ptrdiff_t frame = word.first; frame < word.end; ++frame) voiced += rendering.voiced(frame * kFrame);
    return voiced;
}

// The voiced frames of the word that the recording holds at that shift (in samples).
std::size_t heardFrames(const FrameLevels& rendering, const FrameLevels& recording, const Word& word,
                        std::ptrdiff_t shift) {
    std::size_t heard = 0;
    for (std::ptrdiff_t frame = word.first; frame < word.end; ++frame) {
        const double rendered = rendering.at(frame * kFrame);
        if (rendered <= kVoicedDb) continue;
        const double recorded = recording.at(frame * kFrame + shift);
        heard += recorded > kVoicedDb && std::abs(recorded - rendered) <= kSameLevelDb;
    }
    return heard;
}

std::vector<std::int16_t> littleEndianSamples(std::span<const unsigned char> bytes) {
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    return samples;
}

}  // namespace

PlaybackFidelity comparePlayback(std::span<const std::int16_t> rendering, std::span<const std::int16_t> recording) {
    const FrameLevels rendered(rendering), recorded(recording);
    PlaybackFidelity result;
    const auto renderedSpan = rendered.voicedSpan();
    const auto recordedSpan = recorded.voicedSpan();
    if (!renderedSpan || !recordedSpan) return result;
    result.lengthRatio = static_cast<double>(recordedSpan->second - recordedSpan->first + 1) /
                         static_cast<double>(renderedSpan->second - renderedSpan->first + 1);

    const std::vector<Word> words = wordsOf(rendered);
    result.words = words.size();
    // The first guess: where the first words, together, are heard best
    // anywhere in the recording (it may begin with sound that is not theirs).
    const std::span<const Word> opening(words.data(), std::min<std::size_t>(words.size(), 3));
    std::ptrdiff_t expected = 0;
    std::size_t bestOpening = 0;
    for (std::ptrdiff_t shift = -words.front().first * kFrame; shift < static_cast<std::ptrdiff_t>(recording.size());
         shift += kStep) {
        std::size_t frames = 0;
        for (const Word& word : opening) frames += heardFrames(rendered, recorded, word, shift);
        if (frames > bestOpening) {
            bestOpening = frames;
            expected = shift;
        }
    }
    std::optional<std::ptrdiff_t> firstShift;
    std::size_t voiced = 0, heard = 0;
    for (const Word& word : words) {
        voiced += voicedFrames(rendered, word);
        std::size_t best = 0;
        std::ptrdiff_t bestShift = expected;
        for (std::ptrdiff_t shift = expected - kSearchBefore; shift <= expected + kSearchAfter; shift += kStep) {
            const std::size_t frames = heardFrames(rendered, recorded, word, shift);
            if (frames > best || (frames == best && std::abs(shift - expected) < std::abs(bestShift - expected))) {
                best = frames;
                bestShift = shift;
            }
        }
        if (best == 0) continue;
        heard += best;
        ++result.wordsFound;
        expected = bestShift;
        if (!firstShift) firstShift = bestShift;
        result.largestWordShiftMs =
            std::max(result.largestWordShiftMs, std::abs(static_cast<double>(bestShift - *firstShift)) * 1000 / kRate);
    }
    result.heardFraction = static_cast<double>(heard) / static_cast<double>(voiced);
    return result;
}

std::optional<double> lastVoicedSecond(std::span<const std::int16_t> recording) {
    const auto span = FrameLevels(recording).voicedSpan();
    if (!span) return std::nullopt;
    return static_cast<double>((span->second + 1) * kFrame) / kRate;
}

std::vector<std::int16_t> readRenderedSamples(const std::string& path, std::string& error) {
    auto file = RegularFile::open(path, error);
    if (!file) return {};
    FileSource source(*file);
    WaveInfo info;
    std::vector<std::uint8_t> bytes;
    if (readWave(source, info, bytes) != PlayError::None || info.format.formatTag != 1 ||
        info.format.channels != 1 || info.format.bitsPerSample != 16 || info.format.samplesPerSecond != kRate) {
        error = "not a 16-bit mono WAVE file at 24000 Hz";
        return {};
    }
    return littleEndianSamples(bytes);
}

std::vector<std::int16_t> readRawSamples(const std::filesystem::path& path) {
    const std::string bytes = fileText(path);
    return littleEndianSamples({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
}

}  // namespace skycrier::test
