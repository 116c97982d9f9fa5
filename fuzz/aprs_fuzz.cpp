// Any bytes as the APRS source's weather file, read and shown with each
// input wind unit, in UT and local time, with a file time; the CW line follows.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/date_time.h"
#include "support/report_window.h"

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
        test::ReportWindow<AprsSource> aprs(metricInput ? SpeechUnits{} : imperial, 0, -300);
        AprsSource& w = aprs.window;
        w.setInputUnits({wind, !metricInput, !metricInput});
        w.setPressureCorrection(3);
        w.chooseTimeZone(metricInput ? 0 : 1);
        if (!w.showReport(text, before + 1)) continue;
        if (!w.cwLine().ends_with(' ') || w.boxes().humidityBox.caption.empty()) std::abort();
        if (w.meteo().ObservedAt < before && w.observationTime().caption.empty()) std::abort();
    }
    return 0;
}
