// A whole bulletin with every weather item, played in real time through the
// playback engine on the command-line program's loop, on a device that takes
// each buffer's own time. Reports the wall time against the bulletin's ideal
// length (its clips' durations plus the prescribed silences); the gaps the
// engine and the loop add between sounds are the difference.

#include <benchmark/benchmark.h>

#include <chrono>

#include "announce/playback_engine.h"
#include "announce/sequencer.h"
#include "announce/wave_reader.h"
#include "app/builtin_clips.h"
#include "app/transmitter_port_control.h"
#include "paced_wave_out.h"
#include "platform/poll_loop.h"
#include "support/announce_fakes.h"
#include "support/fake_serial_line.h"

namespace skycrier {
namespace {

// Adds up what the bulletin should last.
class IdealLength {
public:
    IdealLength(const Vocabulary& vocabulary, Sequencer& seq)
        : vocabulary_(vocabulary), subscription_(seq.events.connect([this](const BulletinEvent& e) { add(e); })) {}

    double seconds = 0;
    bool ended = false;

private:
    void add(const BulletinEvent& e) {
        using K = BulletinEvent::Kind;
        if (e.kind == K::Wait) seconds += e.milliseconds / 1000.0;
        if (e.kind == K::Done || e.kind == K::Abort) ended = true;
        if (e.kind != K::PlaySegment) return;
        const auto clip = vocabulary_.find(e.text);
        if (!clip) return;
        MemorySource source(*clip);
        WaveInfo info;
        std::vector<std::uint8_t> samples;
        if (readWave(source, info, samples) == PlayError::None)
            seconds += static_cast<double>(samples.size()) / info.format.averageBytesPerSecond;
    }

    const Vocabulary& vocabulary_;
    Subscription subscription_;
};

void WholeBulletinInRealTime(benchmark::State& state) {
    const auto clips = builtInClips();
    const Vocabulary vocabulary(clips);
    for (auto _ : state) {
        std::string error;
        const auto pollLoop = PollLoop::create(error);
        PollLoop& loop = *pollLoop;
        bench::PacedWaveOut out(loop);
        StatusBoard status;
        PlaybackEngine engine({loop, out, vocabulary, status});
        engine.allocateBuffers();
        test::FakeSerialLine line;
        TransmitterPortControl port(loop, line);
        port.choosePort("COM1");
        test::FakeSources sources;
        MeteoData& d = sources.choose(SourceKind::W23);
        d.Tint = 21;
        d.Text = -5;
        d.Patm = 1013;
        d.Tend = 1;
        d.Vent = 125;
        d.Rafa = 40;
        d.Dire = 225;
        d.TRes = -9;
        d.Pluie = 12;
        d.HumiExt = 67;
        SpeechUnits units;
        BulletinSettings settings;
        PortLineSettings lines;
        Sequencer seq({loop, engine, port, sources, units, settings, lines, status});
        IdealLength ideal(vocabulary, seq);

        const auto start = std::chrono::steady_clock::now();
        seq.requestBulletin(BulletinTrigger::Button);
        loop.runUntil([&] { return ideal.ended && !seq.bulletinRunning(); });
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(wall.count());
        state.counters["ideal_s"] = ideal.seconds;
        state.counters["ratio"] = wall.count() / ideal.seconds;
        if (status.statusText() != kDoneText) state.SkipWithError(status.statusText().c_str());
    }
}
BENCHMARK(WholeBulletinInRealTime)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace skycrier
