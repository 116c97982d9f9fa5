// METAR and APRS reports read and shown per second on one core: this runs
// on the main loop at every poll, so it must cost next to nothing.

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "platform/date_time.h"
#include "support/report_window.h"

namespace skycrier {
namespace {

constexpr std::array<std::string_view, 6> kMetarReports{
    "LFPG 101130Z 27010KT 9999 FEW030 12/08 Q1013 NOSIG",
    "EGLL 101120Z AUTO 24015G28KT 9999 -SHRA FEW020CB 11/06 Q1002 TEMPO 25035G45KT=",
    "KORD 101151Z 36015KT M1/4SM +SN FZFG VV002 M05/M07 A2990 RMK AO2 P0002 T10501072",
    "UUEE 101130Z 18005MPS 9999 -SN OVC012 M05/M07 Q1018 R06L/290050 NOSIG",
    "KSFO 101156Z 28006KT 15/16SM BR OVC002 11/10 A3001 RMK AO2 SLP163 T01110100",
    "YSSY 101100Z 16012KT CAVOK 22/14 Q1015 NOSIG",
};

void metarDecode(benchmark::State& state) {
    test::ReportWindow<MetarSource> metar({}, encodeDateTime(2026, 3, 10, 12, 0), 60);
    std::size_t next = 0;
    for (auto _ : state) {
        metar.window.showReport(kMetarReports[next]);
        benchmark::DoNotOptimize(metar.window.uiviewWeatherLine().data());
        next = (next + 1) % kMetarReports.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(metarDecode);

void aprsDecode(benchmark::State& state) {
    test::ReportWindow<AprsSource> aprs({}, 0, 0);
    const std::string_view file = "Jan 15 2024 12:34\r\n220/004g005t077r000p000P000h50b09900\r\n";
    for (auto _ : state) {
        aprs.window.showReport(file, std::nullopt);
        benchmark::DoNotOptimize(aprs.window.meteo().Patm);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(aprsDecode);

}  // namespace
}  // namespace skycrier
