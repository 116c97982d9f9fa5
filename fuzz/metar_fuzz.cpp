// Any bytes as the METAR source's report file, decoded in metric and
// imperial units, on an ordinary day and on the 1st of a month (when a late
// report belongs to last month). The output lines keep their forms.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/metar_decoder.h"
#include "platform/date_time.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skycrier;
    const auto report = lastNonEmptyLine(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!report) return 0;
    SpeechUnits imperial;
    imperial.setTemperatureMetric(false);
    imperial.setPressureMetric(false);
    imperial.setWindMetric(false);
    for (const SpeechUnits& units : {SpeechUnits{}, imperial}) {
        for (const double now : {encodeDateTime(2026, 3, 10, 12, 0), encodeDateTime(2026, 1, 1, 0, 30)}) {
            const MetarDecode d = decodeMetar(*report, {.units = units,
                                                        .pressureCorrection = -3,
                                                        .universalTime = true,
                                                        .localNow = now,
                                                        .zone = 60,
                                                        .previousWeatherCaption = "Precipitación ="});
            if (d.uiviewWeatherLine.find(' ') != std::string::npos || !d.cwLine.ends_with(' ')) std::abort();
            if (d.ObservedAt.has_value() != d.uiviewTimeLine.has_value()) std::abort();
            if (d.outsideTemperatureBox.caption.empty() || d.rainBox.caption.empty()) std::abort();
        }
    }
    return 0;
}
