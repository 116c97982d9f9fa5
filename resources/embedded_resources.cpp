#include "resources/embedded_resources.h"

#include <algorithm>
#include <array>
#include <string>

// embedded_clips.inc is written by CMake from vocabulary_words.tsv: one
// SKYCRIER_CLIP(NAME, "path") per clip in name order, then SKYCRIER_GREETING.
// It is read twice: once to place the files, once to list them.

// Each file becomes a pair of symbols around its bytes in .rodata. push/pop
// leave the compiler's own section state as it was; 4-byte alignment keeps
// the 16-bit samples after the header aligned.
#define SKYCRIER_BLOB(symbol, path)                  \
    asm(".pushsection .rodata\n"                     \
        ".balign 4\n"                                \
        ".globl " #symbol "_begin\n"                 \
        ".hidden " #symbol "_begin\n"                \
        #symbol "_begin:\n"                          \
        ".incbin \"" path "\"\n"                     \
        ".globl " #symbol "_end\n"                   \
        ".hidden " #symbol "_end\n"                  \
        #symbol "_end:\n"                            \
        ".popsection\n");                            \
    extern "C" const unsigned char symbol##_begin[]; \
    extern "C" const unsigned char symbol##_end[];

#define SKYCRIER_CLIP(name, path) SKYCRIER_BLOB(skycrier_clip_##name, path)
#define SKYCRIER_GREETING(path) SKYCRIER_BLOB(skycrier_greeting, path)
#include "embedded_clips.inc"
#undef SKYCRIER_CLIP
#undef SKYCRIER_GREETING
SKYCRIER_BLOB(skycrier_english_catalogue, SKYCRIER_ENGLISH_CATALOGUE)

namespace skycrier::resources {
namespace {

std::span<const unsigned char> between(const unsigned char* begin, const unsigned char* end) {
    return {begin, static_cast<std::size_t>(end - begin)};
}

#define SKYCRIER_CLIP(name, path) +1
#define SKYCRIER_GREETING(path)
constexpr std::size_t clipCount = 0
#include "embedded_clips.inc"
    ;
#undef SKYCRIER_CLIP
#undef SKYCRIER_GREETING

const std::array<EmbeddedFile, clipCount>& table() {
    // Built on first use: the addresses are only known after linking, and a
    // function-local static cannot be read before it is initialised.
    static const std::array<EmbeddedFile, clipCount> files{{
#define SKYCRIER_CLIP(name, path) {#name, between(skycrier_clip_##name##_begin, skycrier_clip_##name##_end)},
#define SKYCRIER_GREETING(path)
#include "embedded_clips.inc"
#undef SKYCRIER_CLIP
#undef SKYCRIER_GREETING
    }};
    return files;
}

}  // namespace

std::span<const EmbeddedFile> vocabularyClips() { return table(); }

const EmbeddedFile* findVocabularyClip(std::string_view name) {
    // Stored names are upper case, so the upper-cased query sorts like them.
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    });
    const auto& files = table();
    auto it = std::lower_bound(files.begin(), files.end(), key,
                               [](const EmbeddedFile& file, const std::string& k) { return file.name < k; });
    return it != files.end() && it->name == key ? &*it : nullptr;
}

std::span<const unsigned char> defaultGreeting() {
    return between(skycrier_greeting_begin, skycrier_greeting_end);
}

std::string_view englishCatalogue() {
    const auto bytes = between(skycrier_english_catalogue_begin, skycrier_english_catalogue_end);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace skycrier::resources
