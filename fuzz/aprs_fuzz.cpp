// Any bytes as the APRS source's weather file, decoded with each input wind
// unit, in UT and local time, with a file time; the CW line follows.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/aprs_decoder.h"
#include "platform/date_time.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skycrier;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SpeechUnits imperial;
    imperial.setTemperatureMetric(false);
    imperial.setPressureMetric(false);
    imperial.setWindMetric(false);
    imperial.setRainMetric(false);
    const double before = encodeDateTime(2024, 1, 15, 12, 0);
    for (const AprsWindUnit wind : {AprsWindUnit::Kmh, AprsWindUnit::Mph, AprsWindUnit::Knot}) {
        const bool metricInput = wind == AprsWindUnit::Kmh;
        const SpeechUnits units = metricInput ? SpeechUnits{} : imperial;
        const auto d = decodeAprs(text, {.units = units,
                                         .input = {wind, !metricInput, !metricInput},
                                         .pressureCorrection = 3,
                                         .universalTime = metricInput,
                                         .zone = -300,
                                         .observedAt = before,
                                         .fileTime = before + 1});
        if (!d) continue;
        if (!aprsCwLine(*d).ends_with(' ') || d->humidityBox.caption.empty()) std::abort();
        if (d->ObservedAt < before && d->observationTime.value_or("").empty()) std::abort();
    }
    return 0;
}
