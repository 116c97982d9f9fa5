#include "app/builtin_clips.h"

#include "resources/embedded_resources.h"

namespace skycrier {

std::vector<ClipBytes> builtInClips() {
    std::vector<ClipBytes> clips;
    for (const resources::EmbeddedFile& file : resources::vocabularyClips()) clips.push_back({file.name, file.bytes});
    return clips;
}

std::span<const unsigned char> builtInGreeting() { return resources::defaultGreeting(); }

}  // namespace skycrier
