#include "announce/vocabulary.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "announce/wave_reader.h"

namespace skycrier {
namespace {

std::optional<std::vector<unsigned char>> readRecording(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
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
        auto bytes = readRecording(file);
        if (!bytes) {
            notices.push_back(shown + ": cannot be read; the built-in clip is used");
            continue;
        }
        MemorySource source(*bytes);
        WaveInfo info;
        std::vector<std::uint8_t> samples;
        if (const PlayError e = readWave(source, info, samples); e != PlayError::None) {
            notices.push_back(shown + ": " + playErrorText(e, SoundOrigin::File) + "; the built-in clip is used");
            continue;
        }
        Entry& entry = entries_[found->second];
        // A second file for the same clip (another case) replaces the first one.
        if (entry.recording.empty()) ++replaced;
        entry.recording = std::move(*bytes);
        entry.bytes = entry.recording;
    }
    if (replaced < entries_.size())
        notices.push_back(std::to_string(entries_.size() - replaced) + " of " + std::to_string(entries_.size()) +
                          " clips have no recording in " + folder.string() + "; the built-in clips are used");
    return notices;
}

}  // namespace skycrier
