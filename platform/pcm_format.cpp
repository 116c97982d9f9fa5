#include "platform/pcm_format.h"

namespace skycrier {

bool isPlayablePcm(const PcmFormat& f) {
    const bool bitsOk = f.bitsPerSample == 8 || f.bitsPerSample == 16 || f.bitsPerSample == 24 || f.bitsPerSample == 32;
    const bool rateOk = f.samplesPerSecond >= kMinimumPcmRate && f.samplesPerSecond <= kMaximumPcmRate;
    return f.formatTag == 1 && bitsOk && (f.channels == 1 || f.channels == 2) && rateOk &&
           f.blockAlign == f.channels * (f.bitsPerSample / 8);
}

}  // namespace skycrier
