#pragma once
// How faithfully a recording of a played bulletin reproduces its rendering
// (skycrier-cli bulletin --wav), both 16-bit mono at 24 000 Hz, compared in
// 10 ms frames as a listener hears them: how long the speech lasts, and how
// much of it is there. A frame is voiced when its RMS is above -40 dBFS, the
// gate the clips are levelled against (tools/vocabulary): above the clips'
// trimmed edges (about -50 dBFS), far above the pauses (exact zeros), and far
// below the speech itself (levelled to -18 dBFS).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace skycrier::test {

struct PlaybackFidelity {
    // The speech's length in the recording (first voiced frame to last) over its length in the rendering.
    double lengthRatio = 0;
    // The share of the rendering's voiced frames that the recording holds
    // where their word was found, at about the same level.
    double heardFraction = 0;
    // The largest shift of a word's start in the recording against its start
    // in the rendering, once the first word found lines the two up.
    double largestWordShiftMs = 0;
    // Words of the rendering, and how many of them were found at all.
    std::size_t words = 0;
    std::size_t wordsFound = 0;
};

// Each word of the rendering (a voiced stretch after at least 20 ms without
// voice) is looked for on its own in the recording, from a little before to
// two seconds after where the word before it was found: a word that comes
// late but whole is heard whole.
PlaybackFidelity comparePlayback(std::span<const std::int16_t> rendering, std::span<const std::int16_t> recording);

// Where the recording's last voiced frame ends, in seconds; nothing when none is voiced.
std::optional<double> lastVoicedSecond(std::span<const std::int16_t> recording);

// The samples of a rendered bulletin; empty, and the reason, unless it is a
// 16-bit mono WAVE file at 24 000 Hz.
std::vector<std::int16_t> readRenderedSamples(const std::string& path, std::string& error);

// The samples of a raw recording (16-bit little-endian).
std::vector<std::int16_t> readRawSamples(const std::filesystem::path& path);

}  // namespace skycrier::test
