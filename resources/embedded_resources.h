#pragma once
// The speech clips and the greeting chime compiled into the program: the
// WAVE files of resources/vocabulary/ and resources/kuckoo.wav, byte for byte.

#include <span>
#include <string_view>

namespace skycrier::resources {

struct EmbeddedFile {
    std::string_view name;  // clip name in upper case, e.g. "SON_NORTH"
    std::span<const unsigned char> bytes;  // the whole WAVE file
};

// Every vocabulary clip, sorted by name.
std::span<const EmbeddedFile> vocabularyClips();

// The clip of that name in any case ("son_north", "SON_North"), or nullptr.
const EmbeddedFile* findVocabularyClip(std::string_view name);

// The built-in greeting chime (kuckoo.wav).
std::span<const unsigned char> defaultGreeting();

// The English catalogue of the program's texts (translations/skycrier_en.ts).
std::string_view englishCatalogue();

}  // namespace skycrier::resources
