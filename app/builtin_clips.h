#pragma once
// The speech vocabulary and the greeting chime that are compiled into the program.

#include <span>
#include <vector>

#include "announce/vocabulary.h"

namespace skycrier {

std::vector<ClipBytes> builtInClips();
std::span<const unsigned char> builtInGreeting();

}  // namespace skycrier
