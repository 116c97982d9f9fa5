#include "announce/vocabulary.h"

#include <algorithm>

#include "announce/wave_reader.h"
#include "platform/pcm_format.h"
#include "platform/regular_file.h"

namespace skycrier {
namespace {

// The longest recording taken for a word; no word of a bulletin comes near it.
constexpr std::uint64_t kMaxRecordingSeconds = 60;
// The largest recording file read: a minute of 96 000 Hz 16-bit stereo fits.
constexpr std::size_t kMaxRecordingBytes = 32 << 20;

// "12-bit mono at 24000 Hz, 2-byte frames".
std::string layoutText(const PcmFormat& f) {
    return std::to_string(f.bitsPerSample) + "-bit " + (f.channels == 1 ? "mono" : "stereo") + " at " +
           std::to_string(f.samplesPerSecond) + " Hz, " + std::to_string(f.blockAlign) + "-byte frames";
}

// Why the recording cannot stand for its word; empty when it can.
std::string unusableBecause(const std::string& bytes) {
    const std::span<const unsigned char> clip(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    MemorySource source(clip);
    WaveInfo info;
    std::vector<std::uint8_t> samples;
    if (const PlayError e = readWave(source, info, samples); e != PlayError::None)
        return playErrorText(e, SoundOrigin::File);
    // The sound output's own check, so a recording taken here is one it plays.
    if (!isPlayablePcm(info.format)) return "cannot be played (" + layoutText(info.format) + ")";
    if (samples.size() > kMaxRecordingSeconds * info.format.averageBytesPerSecond)
        return "longer than " + std::to_string(kMaxRecordingSeconds) + " s";
    return {};
}

}  // namespace

std::string clipKey(std::string_view name) {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); });
    return key;
}

Vocabulary::Vocabulary(std::span<const ClipBytes> builtIn) {
    entries_.reserve(builtIn.size());
    for (const ClipBytes& clip : builtIn) {
        byKey_.emplace(clipKey(clip.name), entries_.size());
        entries_.push_back({clip.name, clip.bytes, {}});
    }
}

std::optional<std::span<const unsigned char>> Vocabulary::find(std::string_view name) const {
    const auto found = byKey_.find(clipKey(name));
    if (found == byKey_.end()) return std::nullopt;
    return entries_[found->second].bytes;
}

std::vector<ClipBytes> Vocabulary::clips() const {
    std::vector<ClipBytes> all;
    all.reserve(entries_.size());
    for (const Entry& e : entries_) all.push_back({e.name, e.bytes});
    return all;
}

std::vector<std::string> Vocabulary::useRecordings(const std::filesystem::path& folder) {
    std::vector<std::string> notices;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error) {
        notices.push_back(folder.string() + ": cannot be read; the built-in clips are used");
        return notices;
    }
    std::vector<std::filesystem::path> files;
    for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (error) break;
        const auto& path = it->path();
        if (clipKey(path.extension().string()) == ".WAV") files.push_back(path);
    }
    std::sort(files.begin(), files.end());

    std::size_t replaced = 0;
    for (const auto& file : files) {
        const std::string shown = file.filename().string();
        const auto found = byKey_.find(clipKey(file.stem().string()));
        if (found == byKey_.end()) {
            notices.push_back(shown + ": no clip of that name; ignored");
            continue;
        }
        std::string reason;
        auto bytes = readRegularFile(file.string(), kMaxRecordingBytes, reason);
        if (bytes) reason = unusableBecause(*bytes);
        if (!reason.empty()) {
            notices.push_back(shown + ": " + reason + "; the built-in clip is used");
            continue;
        }
        Entry& entry = entries_[found->second];
        // A second file for the same clip (another case) replaces the first one.
        if (entry.recording.empty()) ++replaced;
        entry.recording = std::move(*bytes);
        entry.bytes = {reinterpret_cast<const unsigned char*>(entry.recording.data()), entry.recording.size()};
    }
    if (replaced < entries_.size())
        notices.push_back(std::to_string(entries_.size() - replaced) + " of " + std::to_string(entries_.size()) +
                          " clips have no recording in " + folder.string() + "; the built-in clips are used");
    return notices;
}

}  // namespace skycrier
