#pragma once
// The speech vocabulary: WAVE clips looked up by name, ignoring case. The
// built-in clips can be replaced one by one by a folder of recordings named
// after them ("son_north.wav", in any case).

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skycrier {

struct ClipBytes {
    std::string_view name;
    std::span<const unsigned char> bytes;
};

class Vocabulary {
public:
    // The clips must outlive the vocabulary (they are the program's own data).
    explicit Vocabulary(std::span<const ClipBytes> builtIn);
    // Clips point into recordings held here, so a copy would point into the original.
    Vocabulary(const Vocabulary&) = delete;
    Vocabulary& operator=(const Vocabulary&) = delete;

    // The clip of that name in any case, or nothing.
    std::optional<std::span<const unsigned char>> find(std::string_view name) const;
    // Every clip, in the order of the built-in list.
    std::vector<ClipBytes> clips() const;

    // Takes each WAVE file of the folder that is named after a clip in place of
    // the built-in one. A recording that cannot be read, is not a regular file
    // or is larger than 32 MB, is not a WAVE the sound output plays, or lasts
    // longer than a minute keeps the built-in clip. Returns one notice for each
    // such file, for each file named after no clip, and one for the clips left
    // built in.
    std::vector<std::string> useRecordings(const std::filesystem::path& folder);

private:
    struct Entry {
        std::string_view name;
        std::span<const unsigned char> bytes;
        std::string recording;
    };

    std::vector<Entry> entries_;
    std::map<std::string, std::size_t> byKey_;
};

// A name as the lookup compares it.
std::string clipKey(std::string_view name);

}  // namespace skycrier
