// Any bytes as the METAR source's report file, read and shown in metric and
// imperial units, on an ordinary day and on the 1st of a month (when a late
// report belongs to last month). The output lines keep their forms.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/metar_reader.h"
#include "platform/date_time.h"
#include "support/report_window.h"

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
            test::ReportWindow<MetarSource> metar(units, now, 60);
            MetarSource& w = metar.window;
            w.setPressureCorrection(-3);
            w.chooseTimeZone(0);
            w.showReport(*report);
            if (w.uiviewWeatherLine().find(' ') != std::string::npos || !w.cwLine().ends_with(' ')) std::abort();
            if ((w.meteo().ObservedAt != 0) != !w.uiviewTimeLine().empty()) std::abort();
            if (w.boxes().outsideTemperatureBox.caption.empty() || w.boxes().rainBox.caption.empty()) std::abort();
        }
    }
    return 0;
}
