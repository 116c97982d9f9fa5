#pragma once
// Which PCM layouts the sound outputs can play: 8, 16, 24 or 32 bits per
// sample, one or two channels, interleaved frames of channels x bytes.

#include "platform/wave_out.h"

namespace skycrier {

bool isPlayablePcm(const PcmFormat& format);

}  // namespace skycrier
