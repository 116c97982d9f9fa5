// An hour of bulletins, one a minute, on the virtual loop: the cost of the
// sequencer and the loop themselves, with sounds that last a fixed time.

#include <benchmark/benchmark.h>

#include "announce/sequencer.h"
#include "app/transmitter_port_control.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/announce_fakes.h"
#include "support/fake_serial_line.h"

namespace skycrier {
namespace {

void SimulatedHourOfBulletins(benchmark::State& state) {
    for (auto _ : state) {
        VirtualLoop loop(encodeDateTime(2026, 12, 7, 10, 0, 0));
        test::FakePlayer player(loop, 700);
        test::FakeSerialLine line;
        TransmitterPortControl port(loop, line);
        port.choosePort("COM1");
        test::FakeSources sources;
        MeteoData& d = sources.choose(SourceKind::W23);
        d.Tint = 21;
        d.Text = 5;
        d.Patm = 1013;
        d.Vent = 12;
        d.Rafa = 20;
        d.Dire = 200;
        d.TRes = 3;
        d.Pluie = 2;
        d.HumiExt = 80;
        SpeechUnits units;
        BulletinSettings settings;
        settings.playGreeting = true;
        PortLineSettings lines;
        StatusBoard status;
        Sequencer seq({loop, player, port, sources, units, settings, lines, status});
        Timer minute(loop, 60'000, [&] { seq.requestBulletin(BulletinTrigger::Button); });
        minute.start();
        loop.advance(3'600'000);
        benchmark::DoNotOptimize(player.played.size());
    }
}
BENCHMARK(SimulatedHourOfBulletins)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skycrier
