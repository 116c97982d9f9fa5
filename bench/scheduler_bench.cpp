// A week of the once-a-second tick on the virtual loop, a bulletin every
// quarter of an hour: the cost of the scheduler, the sequencer and the loop.

#include <benchmark/benchmark.h>

#include "announce/scheduler.h"
#include "app/transmitter_port_control.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/announce_fakes.h"
#include "support/fake_serial_line.h"

namespace skycrier {
namespace {

constexpr Millis kWeekMs = 7LL * 86'400'000;

void SimulatedWeekOfTicks(benchmark::State& state) {
    for (auto _ : state) {
        VirtualLoop loop(encodeDateTime(2026, 12, 7, 0, 0, 0));
        test::FakePlayer player(loop, 1000);
        test::FakeSerialLine line;
        TransmitterPortControl port(loop, line);
        port.choosePort("COM1");
        test::FakeSources sources;
        SpeechUnits units;
        BulletinSettings settings;
        PortLineSettings lines;
        StatusBoard status;
        ScheduleSettings schedule;
        schedule.periodText = "15";
        Sequencer seq({loop, player, port, sources, units, settings, lines, status});
        Scheduler scheduler({loop, seq, port, lines, schedule});
        int starts = 0;
        const Subscription counted = seq.started.connect([&starts](BulletinTrigger) { ++starts; });
        scheduler.start();
        loop.advance(kWeekMs);
        if (starts != 7 * 96) state.SkipWithError("a start went missing");
        benchmark::DoNotOptimize(starts);
    }
}
BENCHMARK(SimulatedWeekOfTicks)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skycrier
